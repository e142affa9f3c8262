-- Dodge this's floor, 2400 x 1600: concentric squares round the middle
-- and the rim, in green.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 7 do
    local w, h = 170 * k, 110 * k
    addRectangle(f, 1200 - w, 800 - h, 2 * w, 2 * h, getColor(0, 30 + 8 * k, 20))
end
addRectangle(f, 0, 0, 2400, 1600, getColor(40, 200, 90))
