-- Background of Around The Bend: the arena's rim and the goals' orbits.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/around the bend/around the bend"

graphic = new2DGraphic(1)
local f = graphic[1]
addCircle(f, CX, CY, RADIUS, 64, getColor(120, 255, 120))
addCircle(f, CX, CY, RADIUS + 30, 64, getColor(60, 120, 60))
for k = 1, 3 do
    addCircle(f, CX, CY, 500 + 150 * k, 48, getColor(30, 60, 30))
end
