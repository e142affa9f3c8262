-- The tutorial room, 1600 x 1000: a calm grid in blue and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local color = getColor(10, 40, 70)
for x = 100, 1500, 100 do
    add2DLine(f, x, 0, x, 1000, color)
end
for y = 100, 900, 100 do
    add2DLine(f, 0, y, 1600, y, color)
end
addRectangle(f, 0, 0, 1600, 1000, getColor(80, 180, 255))
