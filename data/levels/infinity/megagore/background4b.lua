-- Pandemonium's far layer: embers scattered from the game's generator,
-- drawn as points (a new scatter every game).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
f.mode = 0
addRandomPoints(f, 260, 0, 0, 2400, 1600, getColor(255, 90, 40))
addRandomPoints(f, 140, 0, 0, 2400, 1600, getColor(255, 200, 80))
