-- Background of Silly Enemies: the walls, the posts, and the spring's pull
-- drawn as rings around the middle.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/spring matador/spring matador"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 150, 80), true)
end
for r = 100, 700, 150 do
    addCircle(f, CX, CY, r, 32, getColor(60, 40, 20))
end
