-- The dodger, white, radius 33: an octahedron in a ring. Frame 1 (the larger
-- orange dodger that seeds hatch) adds four short spokes.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

local function addBody(f)
    local tips = { { 22, 0, 0 }, { -22, 0, 0 }, { 0, 22, 0 }, { 0, -22, 0 }, { 0, 0, 22 }, { 0, 0, -22 } }
    local p = {}
    for k = 1, 6 do
        p[k] = addPoint(f, tips[k][1], tips[k][2], tips[k][3])
    end
    -- Each of the four equator tips joins its two neighbours and both poles.
    local ring = { 1, 3, 2, 4 }
    for k = 1, 4 do
        addLineBetween(f, p[ring[k]], p[ring[k % 4 + 1]], white)
        addLineBetween(f, p[ring[k]], p[5], white)
        addLineBetween(f, p[ring[k]], p[6], white)
    end
    addCircle(f, 0, 0, 28, 16, white)
end

graphic = new3DGraphic(2)
addBody(graphic[1])
addBody(graphic[2])
for k = 0, 3 do
    local a = 45 + 90 * k
    addLine(graphic[2], scaleBy256(28, math.cos(a)), scaleBy256(28, math.sin(a)), 0,
            scaleBy256(33, math.cos(a)), scaleBy256(33, math.sin(a)), 0, white)
end
