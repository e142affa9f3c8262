-- A spot to reach, radius 50: a dashed yellow circle and a cross. Frame k
-- (0 to 8) also has k of 8 inner circles, to show how far it is filled.
require "/data/functions/commonGraphicFunctions"

local yellow = getColor(255, 230, 60)
local fill = getColor(255, 160, 40)
graphic = new2DGraphic(9)
for k = 0, 8 do
    local f = graphic[k + 1]
    for dash = 0, 11 do
        local a = dash * 30
        add2DLine(f, scaleBy256(50, math.cos(a)), scaleBy256(50, math.sin(a)),
                  scaleBy256(50, math.cos(a + 18)), scaleBy256(50, math.sin(a + 18)), yellow)
    end
    add2DLine(f, -10, 0, 10, 0, yellow)
    add2DLine(f, 0, -10, 0, 10, yellow)
    for ring = 1, k do
        addCircle(f, 0, 0, 5 * ring, 12, fill)
    end
end
