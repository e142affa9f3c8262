-- The mother ship's bullet: an octahedron of radius 12 (it spins in 3-D).
require "/data/functions/commonGraphicFunctions"

graphic = new3DGraphic(1)
local f = graphic[1]
local c = getColor(255, 255, 255)
local p = { addPoint(f, 12, 0, 0), addPoint(f, 0, 12, 0), addPoint(f, -12, 0, 0),
            addPoint(f, 0, -12, 0), addPoint(f, 0, 0, 12), addPoint(f, 0, 0, -12) }
for k = 1, 4 do
    local q = k % 4 + 1
    addLineBetween(f, p[k], p[q], c)
    addLineBetween(f, p[k], p[5], c)
    addLineBetween(f, p[k], p[6], c)
end
