-- The mirror boss's mirror, one frame per stage f (0 to 6): an arc of radius
-- 95 from -20(f + 1) to +20(f + 1) degrees about +x, inside a dark green
-- circle of radius 110.
require "/data/functions/commonGraphicFunctions"

local mirror = getColor(190, 235, 255)
local dark = getColor(0, 100, 0)

-- An arc of radius r from -half to +half degrees, a point every 5 degrees.
local function addArc(f, r, half)
    local coords = {}
    for a = -half, half, 5 do
        coords[#coords + 1] = scaleBy256(r, math.cos(a))
        coords[#coords + 1] = scaleBy256(r, math.sin(a))
    end
    add2DLines(f, coords, mirror)
end

graphic = new2DGraphic(7)
for n = 0, 6 do
    local f = graphic[n + 1]
    local half = 20 * (n + 1)
    addArc(f, 95, half)
    -- A second, thinner arc gives the mirror its thickness.
    addArc(f, 89, half)
    addCircle(f, 0, 0, 110, 48, dark)
end
