-- Background of The Boss: the hall's walls and rings of mirrored floor.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/boss1/boss1"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 60, 120), true)
end
for r = 200, 1000, 200 do
    addCircle(f, CX, CY, r, 36, getColor(60, 30, 60))
end
for k = 0, 11 do
    local x, y = pointAt(CX, CY, 30 * k, 1000)
    add2DLine(f, CX, CY, x, y, getColor(40, 20, 40))
end
