-- 1 and 1's floor, 1600 x 1200: two rings round the mirror point, the inner
-- one through the ship's and its mirror's starting places, and the face
-- of the 40-unit walls round it.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
addCircle(f, 800, 600, 300, 32, getColor(20, 60, 40))
addCircle(f, 800, 600, 500, 40, getColor(20, 40, 60))
addRectangle(f, 40, 40, 1520, 1120, getColor(80, 255, 160))
