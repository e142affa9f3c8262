-- The teleporter: a six-pointed star in a hexagon, in one colour (the body
-- breaks apart into these lines when it teleports; the final boss uses it too).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(255, 255, 255)
local outer = getCirclePoints(0, 0, 20, 6, 0, 30)
add3DLines(f, outer, c, true)
-- Two triangles joining every other corner make the star.
for start = 0, 1 do
    local tri = {}
    for k = 0, 2 do
        local i = 3 * (2 * k + start)
        tri[#tri + 1] = outer[i + 1]
        tri[#tri + 1] = outer[i + 2]
        tri[#tri + 1] = 0
    end
    add3DLines(f, tri, c, true)
end
addCircle(f, 0, 0, 6, 6, c)
