-- The mother ship that dies in a fan aimed at the player: a three-lobed hull
-- of radius 60 whose inner triangle turns over 45 frames.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(45)
local c = getColor(255, 255, 255)
for n = 0, 44 do
    local f = graphic[n + 1]
    for k = 0, 2 do
        local a = 90 + 120 * k
        addCircle(f, scaleBy256(34, math.cos(a)), scaleBy256(34, math.sin(a)), 26, 12, c)
    end
    add3DLines(f, getCirclePoints(0, 0, 22 + scaleBy256(6, math.sin(8 * n)), 3, 0, 3 * n), c, true)
    addCircle(f, 0, 0, 6, 6, c)
end
