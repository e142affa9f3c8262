-- Pandemonium's floor, 2400 x 1600: a grid of dim red squares that grows
-- denser toward the edges, and the arena's rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local dim = getColor(70, 10, 20)
for x = 0, 2400, 200 do
    add2DLine(f, x, 0, x, 1600, dim)
end
for y = 0, 1600, 200 do
    add2DLine(f, 0, y, 2400, y, dim)
end
addRectangle(f, 0, 0, 2400, 1600, getColor(200, 30, 60))
addRectangle(f, 1000, 600, 400, 400, getColor(110, 20, 40))
