-- A wire globe of radius 150, white: five parallels and six meridians (the
-- mirror boss's core, and the globe of the level menu).
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

graphic = new3DGraphic(1)
local f = graphic[1]
for lat = -60, 60, 30 do
    local r = scaleBy256(150, math.cos(lat))
    addCircle(f, 0, 0, r, 24, white, scaleBy256(150, math.sin(lat)))
end
for m = 0, 5 do
    local a = 30 * m
    local coords = {}
    for k = 0, 23 do
        local b = 15 * k
        local r = scaleBy256(150, math.cos(b))
        coords[#coords + 1] = scaleBy256(r, math.cos(a))
        coords[#coords + 1] = scaleBy256(r, math.sin(a))
        coords[#coords + 1] = scaleBy256(150, math.sin(b))
    end
    add3DLines(f, coords, white, true)
end
