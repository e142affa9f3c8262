-- A pyramid 60 units wide and 50 high along +z, with a ring around its base:
-- a 3-D obstacle or decoration that shows its depth when the camera tilts.
require "/data/functions/commonGraphicFunctions"

graphic = new3DGraphic(1)
local f = graphic[1]
addPyramid(f, 0, 0, 0, 30, 50, getColor(255, 200, 0))
addPyramid(f, 0, 0, 0, 18, 30, getColor(160, 100, 0))
addCircle(f, 0, 0, 44, 16, getColor(120, 80, 0))
