-- Assault's far layer: stars scattered from the game's generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
f.mode = 0
addRandomPoints(f, 300, -400, -400, 2400, 1800, getColor(160, 180, 255))
