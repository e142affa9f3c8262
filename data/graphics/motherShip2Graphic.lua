-- The mother ship that dies in a dense ring: two hexagons turning against
-- each other inside a hull of radius 60, over 45 frames.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(45)
local c = getColor(255, 255, 255)
for n = 0, 44 do
    local f = graphic[n + 1]
    add3DLines(f, getCirclePoints(0, 0, 60, 12, 0, 15), c, true)
    add3DLines(f, getCirclePoints(0, 0, 40, 6, 0, 2 * n), c, true)
    add3DLines(f, getCirclePoints(0, 0, 28, 6, 0, 30 - 2 * n), c, true)
    for k = 0, 11 do
        local a = 15 + 30 * k
        local r = 60 + scaleBy256(6, math.sin(8 * n + 90 * (k % 2)))
        add2DLine(f, scaleBy256(60, math.cos(a)), scaleBy256(60, math.sin(a)),
                  scaleBy256(r + 8, math.cos(a)), scaleBy256(r + 8, math.sin(a)), c)
    end
end
