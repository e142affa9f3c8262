-- A cube with sides of 40 (the rolling cube, and the tutorial's target).
require "/data/functions/commonGraphicFunctions"

graphic = new3DGraphic(1)
local f = graphic[1]
local c = getColor(255, 255, 255)
addCube(f, 0, 0, 0, 20, c)
addCube(f, 0, 0, 0, 8, c)
