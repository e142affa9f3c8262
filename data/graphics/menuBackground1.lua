-- A menu background: a field of 300 stars in points (frame 0, mode 0) and a
-- few faint rings (frame 1), scattered from the game's generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local stars = graphic[1]
stars.mode = 0
addRandomPoints(stars, 200, -1000, -1000, 1000, 1000, getColor(200, 200, 255))
addRandomPoints(stars, 100, -1000, -1000, 1000, 1000, getColor(255, 240, 160))
local rings = graphic[2]
for k = 1, 6 do
    local shade = randomBetween(30, 70)
    addCircle(rings, randomBetween(-800, 800), randomBetween(-800, 800), randomBetween(60, 200), 24,
              getColor(shade / 2, shade / 2, shade + 40))
end
