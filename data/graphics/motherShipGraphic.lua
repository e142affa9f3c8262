-- The mother ship that dies in a wide ring: a wheel of radius 60 whose spokes
-- turn and whose hub breathes over 45 frames (played forward, then back).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(45)
local c = getColor(255, 255, 255)
for n = 0, 44 do
    local f = graphic[n + 1]
    addCircle(f, 0, 0, 60, 24, c)
    addCircle(f, 0, 0, 52, 24, c)
    local hub = 14 + scaleBy256(8, math.sin(8 * n))
    addCircle(f, 0, 0, hub, 8, c)
    for k = 0, 5 do
        local a = 2 * n + 60 * k
        add2DLine(f, scaleBy256(hub, math.cos(a)), scaleBy256(hub, math.sin(a)),
                  scaleBy256(52, math.cos(a + 15)), scaleBy256(52, math.sin(a + 15)), c)
    end
end
