-- The fan pad, radius 70. Frames 0 to 34: the charge building up (blades
-- grow and turn); frame 35: charged and ready, with its inner ring lit.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(36)
local c = getColor(255, 255, 255)
for n = 0, 35 do
    local f = graphic[n + 1]
    addCircle(f, 0, 0, 70, 24, c)
    local len = 12 + 50 * n / 35
    local turn = 10 * n
    for k = 0, 5 do
        local a = turn + 60 * k
        add2DLines(f, { scaleBy256(8, math.cos(a)), scaleBy256(8, math.sin(a)),
                        scaleBy256(len, math.cos(a)), scaleBy256(len, math.sin(a)),
                        scaleBy256(len - 6, math.cos(a + 20)), scaleBy256(len - 6, math.sin(a + 20)) }, c)
    end
    if n == 35 then
        addCircle(f, 0, 0, 62, 24, c)
        addCircle(f, 0, 0, 20, 12, c)
    end
end
