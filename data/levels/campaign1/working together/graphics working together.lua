-- Background of Working Together: the walls and two interlocking rings, one
-- for each ship.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/working together/working together"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(0, 200, 255), true)
end
addCircle(f, 1100, 900, 500, 40, getColor(0, 60, 90))
addCircle(f, 1100, 1500, 500, 40, getColor(0, 90, 60))
