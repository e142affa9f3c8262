-- A spindle along the x axis, white, alike at both ends: the fusion shot
-- (drawn twice its size and rolled about x), later the mirror boss's bullet
-- and missile.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

graphic = new3DGraphic(1)
local f = graphic[1]
local nose = addPoint(f, 9, 0, 0)
local tail = addPoint(f, -9, 0, 0)
local ring = {}
for k = 0, 5 do
    local a = 60 * k
    ring[k] = addPoint(f, 0, scaleBy256(4, math.cos(a)), scaleBy256(4, math.sin(a)))
end
for k = 0, 5 do
    addLineBetween(f, ring[k], ring[(k + 1) % 6], white)
    addLineBetween(f, nose, ring[k], white)
    addLineBetween(f, tail, ring[k], white)
end
