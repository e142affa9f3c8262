-- The bomb a level places, radius 300 (drawn at a tenth): a round grey
-- body, its cap, and a lit fuse.
require "/data/functions/commonGraphicFunctions"

local body = getColor(150, 150, 170)
local cap = getColor(90, 90, 110)
local fuse = getColor(255, 150, 40)
local spark = getColor(255, 255, 80)

graphic = new3DGraphic(1)
local f = graphic[1]
for lat = -60, 60, 30 do
    addCircle(f, 0, 0, scaleBy256(200, math.cos(lat)), 24, body, scaleBy256(200, math.sin(lat)))
end
for m = 0, 2 do
    local a = 60 * m
    local coords = {}
    for k = 0, 23 do
        local b = 15 * k
        local r = scaleBy256(200, math.cos(b))
        coords[#coords + 1] = scaleBy256(r, math.cos(a))
        coords[#coords + 1] = scaleBy256(r, math.sin(a))
        coords[#coords + 1] = scaleBy256(200, math.sin(b))
    end
    add3DLines(f, coords, body, true)
end
addRectangle(f, 170, -40, 60, 80, cap)
add2DLines(f, { 230, 0, 260, 30, 250, 60 }, fuse)
for k = 0, 5 do
    local a = 60 * k
    add2DLine(f, 250, 60, 250 + scaleBy256(50, math.cos(a)), 60 + scaleBy256(50, math.sin(a)), spark)
end
