-- Background of Matador: Round 2: the twelve-sided ring and a sun on the sand.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/matador round 2/matador round 2"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 80, 40), true)
end
addCircle(f, CX, CY, 150, 24, getColor(120, 60, 20))
for k = 0, 23 do
    local x1, y1 = pointAt(CX, CY, 15 * k, 180)
    local x2, y2 = pointAt(CX, CY, 15 * k, 260 + 40 * (k % 2))
    add2DLine(f, x1, y1, x2, y2, getColor(90, 45, 15))
end
