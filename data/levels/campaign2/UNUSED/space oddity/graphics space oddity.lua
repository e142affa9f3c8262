-- Space oddity's sky, 1600 x 1200: stars from the game's generator (frame 0,
-- points) and a ringed planet in a corner (frame 1).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local stars = graphic[1]
stars.mode = 0
addRandomPoints(stars, 220, -200, -200, 1800, 1400, getColor(230, 230, 255))
local planet = graphic[2]
addCircle(planet, 1350, 950, 120, 32, getColor(255, 150, 60))
add2DLines(planet, { 1150, 900, 1350, 860, 1550, 1000, 1350, 1040 }, getColor(200, 120, 255), true)
addRectangle(planet, 40, 40, 1520, 1120, getColor(80, 80, 160))
