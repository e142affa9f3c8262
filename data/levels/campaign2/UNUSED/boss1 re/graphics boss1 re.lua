-- The mirror boss remix's floor, 1600 x 1200: the mirror line down the
-- middle, its reflections, and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLine(f, 800, 0, 800, 1200, getColor(200, 200, 255))
for k = 1, 7 do
    add2DLine(f, 800 - 100 * k, 0, 800 - 100 * k, 1200, getColor(30, 30, 60 + 10 * k))
    add2DLine(f, 800 + 100 * k, 0, 800 + 100 * k, 1200, getColor(30, 30, 60 + 10 * k))
end
addRectangle(f, 0, 0, 1600, 1200, getColor(180, 180, 255))
