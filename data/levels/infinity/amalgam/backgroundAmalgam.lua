-- Amalgam's floor, 2400 x 1600: rings round the centre cut by eight spokes,
-- in violet, and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 6 do
    addCircle(f, 1200, 800, 120 * k, 40, getColor(40 + 8 * k, 10, 60 + 8 * k))
end
for k = 0, 7 do
    local a = 45 * k
    add2DLine(f, 1200 + scaleBy256(120, math.cos(a)), 800 + scaleBy256(120, math.sin(a)),
              1200 + scaleBy256(720, math.cos(a)), 800 + scaleBy256(720, math.sin(a)), getColor(60, 20, 90))
end
addRectangle(f, 0, 0, 2400, 1600, getColor(170, 80, 255))
