-- A spiked ball of radius 25 (the spiny, and the planner's body).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(255, 255, 255)
addCircle(f, 0, 0, 14, 12, c)
for k = 0, 7 do
    local a = 45 * k
    local b = a + 22
    local tip = { scaleBy256(25, math.cos(a)), scaleBy256(25, math.sin(a)) }
    add2DLines(f, { scaleBy256(14, math.cos(a - 22)), scaleBy256(14, math.sin(a - 22)),
                    tip[1], tip[2],
                    scaleBy256(14, math.cos(b)), scaleBy256(14, math.sin(b)) }, c)
end
