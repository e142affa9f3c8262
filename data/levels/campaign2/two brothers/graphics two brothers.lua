-- Background of The Two Brothers: the walls, the stones, and the mirror
-- point in the middle with lines through it.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/two brothers/two brothers"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(200, 120, 255), true)
end
addCircle(f, CX, CY, 40, 12, getColor(255, 255, 255))
for a = 0, 150, 30 do
    local x, y = pointAt(CX, CY, a, 900)
    add2DLine(f, 2 * CX - x, 2 * CY - y, x, y, getColor(40, 25, 60))
end
