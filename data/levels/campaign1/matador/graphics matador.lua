-- Background of The Matador: the bullring's barrier, the sand's circles and
-- the stands' rows outside.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/matador/matador"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 200, 60), true)
end
addCircle(f, CX, CY, 300, 32, getColor(90, 60, 20))
addCircle(f, CX, CY, 700, 48, getColor(70, 45, 15))
for k = 0, 15 do
    local x1, y1 = pointAt(CX, CY, 360 * k / 16 + 11, 1000)
    local x2, y2 = pointAt(CX, CY, 360 * k / 16 + 11, 1060)
    add2DLine(f, x1, y1, x2, y2, getColor(120, 40, 40))
end
