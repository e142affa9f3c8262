-- Bomb's floor, 1600 x 1200: the rim and, on the walls of the maze, hazard
-- stripes; frame 1 is the fuse trail drawn from the game's generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local f = graphic[1]
addRectangle(f, 0, 0, 1600, 1200, getColor(255, 200, 40))
for x = 0, 1560, 80 do
    add2DLine(f, x, 0, x + 40, 40, getColor(120, 90, 10))
    add2DLine(f, x, 1160, x + 40, 1200, getColor(120, 90, 10))
end
local trail = graphic[2]
local coords = {}
for k = 0, 16 do
    coords[#coords + 1] = 100 * k
    coords[#coords + 1] = 600 + randomBetween(-80, 80)
end
add2DLines(trail, coords, getColor(90, 60, 20))
