-- The mirror boss's mirror, one frame per stage f (0 to 6): an arc of radius
-- 95 from -20(f + 1) to +20(f + 1) degrees about +x, inside a dark green
-- circle of radius 110.
require "/data/functions/commonGraphicFunctions"

local mirror = getColor(190, 235, 255)
local dark = getColor(0, 100, 0)
local green = getColor(0, 255, 0)

graphic = new2DGraphic(7)
for n = 0, 6 do
    local f = graphic[n + 1]
    local half = 20 * (n + 1)
    local coords = {}
    for a = -half, half, 5 do
        coords[#coords + 1] = scaleBy256(95, math.cos(a))
        coords[#coords + 1] = scaleBy256(95, math.sin(a))
    end
    add2DLines(f, coords, mirror)
    -- A second, thinner arc gives the mirror its thickness.
    local inner = {}
    for a = -half, half, 5 do
        inner[#inner + 1] = scaleBy256(89, math.cos(a))
        inner[#inner + 1] = scaleBy256(89, math.sin(a))
    end
    add2DLines(f, inner, mirror)
    addCircle(f, 0, 0, 110, 48, dark)
end
