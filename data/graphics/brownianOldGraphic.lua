-- The first look of the Brownian enemy, radius 25: a ball with eight spikes
-- around a small core, flat.
require "/data/functions/commonGraphicFunctions"

local hull = getColor(255, 255, 255)
local core = getColor(150, 150, 150)

graphic = new2DGraphic(1)
local f = graphic[1]
local coords = {}
for k = 0, 15 do
    local a = 22 * k + k / 2
    local r = 16
    if k % 2 == 0 then
        r = 25
    end
    coords[#coords + 1] = scaleBy256(r, math.cos(a))
    coords[#coords + 1] = scaleBy256(r, math.sin(a))
end
add2DLines(f, coords, hull, true)
addCircle(f, 0, 0, 7, 8, core)
