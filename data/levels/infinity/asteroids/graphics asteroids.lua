-- The asteroid field, 2400 x 1600: stars scattered from the game's
-- generator (frame 0, points) and the dashed edge where rocks wrap round
-- (frame 1).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local stars = graphic[1]
stars.mode = 0
addRandomPoints(stars, 350, 0, 0, 2400, 1600, getColor(220, 220, 255))
addRandomPoints(stars, 80, 0, 0, 2400, 1600, getColor(255, 200, 120))
local edge = graphic[2]
local color = getColor(80, 80, 120)
for x = 0, 2340, 60 do
    add2DLine(edge, x, 0, x + 30, 0, color)
    add2DLine(edge, x, 1600, x + 30, 1600, color)
end
for y = 0, 1540, 60 do
    add2DLine(edge, 0, y, 0, y + 30, color)
    add2DLine(edge, 2400, y, 2400, y + 30, color)
end
