-- The mirror boss's mirror, one frame per stage f (0 to 6): an arc of radius
-- 95 from -20(f + 1) to +20(f + 1) degrees about +x, with green marks at its
-- two ends (drawn over the first mirror graphic).
require "/data/functions/commonGraphicFunctions"

local green = getColor(0, 255, 0)

graphic = new2DGraphic(7)
for n = 0, 6 do
    local f = graphic[n + 1]
    local half = 20 * (n + 1)
    for side = -1, 1, 2 do
        local a = side * half
        local c = math.cos(a)
        local s = math.sin(a)
        add2DLine(f, scaleBy256(84, c), scaleBy256(84, s), scaleBy256(102, c), scaleBy256(102, s), green)
        local b = a - side * 4
        add2DLine(f, scaleBy256(95, c), scaleBy256(95, s), scaleBy256(95, math.cos(b)), scaleBy256(95, math.sin(b)), green)
    end
end
