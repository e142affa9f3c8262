-- A cartoon bomb, for decoration: a ball about 50 units across with a
-- collar, a bent fuse and a spark at its end; in 3-D, so it shows depth
-- when turned.
require "/data/functions/commonGraphicFunctions"

local body = getColor(120, 120, 255)
local collar = getColor(200, 200, 255)
local fuse = getColor(200, 150, 80)
local spark = getColor(255, 220, 40)

graphic = new3DGraphic(1)
local f = graphic[1]
addCircle(f, 0, 0, 25, 20, body)
-- Three meridians, 60 degrees apart, so the ball shows its roundness.
for k = 0, 2 do
    local longitude = 30 + 60 * k
    local coords = {}
    for s = 0, 12 do
        local latitude = 15 * s - 90
        local ring = scaleBy256(25, math.cos(latitude))
        coords[#coords + 1] = scaleBy256(ring, math.cos(longitude))
        coords[#coords + 1] = scaleBy256(25, math.sin(latitude))
        coords[#coords + 1] = scaleBy256(ring, math.sin(longitude))
    end
    add3DLines(f, coords, body)
end
addRectangle(f, -8, 22, 16, 8, collar, 0)
add3DLines(f, { 0, 30, 0, 4, 38, 3, 12, 42, 5, 18, 40, 6 }, fuse)
for k = 0, 7 do
    local a = 45 * k
    addLine(f, 18, 40, 6, 18 + scaleBy256(8, math.cos(a)), 40 + scaleBy256(8, math.sin(a)), 6, spark)
end
