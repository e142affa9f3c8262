-- The tutorial's far layer: a few stars scattered from the game's generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
f.mode = 0
addRandomPoints(f, 150, -300, -300, 1900, 1300, getColor(180, 200, 255))
