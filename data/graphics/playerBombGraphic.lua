-- The bomb a level places, radius 300 (drawn at a tenth), seen from the side
-- as the play camera sees it: a round grey body whose meridians turn about
-- its long axis (+x), its cap, and a lit fuse.
require "/data/functions/commonGraphicFunctions"

local body = getColor(150, 150, 170)
local cap = getColor(90, 90, 110)
local fuse = getColor(255, 150, 40)
local spark = getColor(255, 255, 80)

graphic = new3DGraphic(1)
local f = graphic[1]
for m = 0, 3 do
    local a = 45 * m
    local coords = {}
    for k = 0, 23 do
        local b = 15 * k
        local s = scaleBy256(200, math.sin(b))
        coords[#coords + 1] = scaleBy256(200, math.cos(b))
        coords[#coords + 1] = scaleBy256(s, math.cos(a))
        coords[#coords + 1] = scaleBy256(s, math.sin(a))
    end
    add3DLines(f, coords, body, true)
end
addRectangle(f, 180, -45, 50, 90, cap)
add2DLines(f, { 230, 0, 255, 25, 250, 60, 270, 90 }, fuse)
for k = 0, 7 do
    local a = 45 * k
    add2DLine(f, 270, 90, 270 + scaleBy256(30, math.cos(a)), 90 + scaleBy256(30, math.sin(a)), spark)
end
