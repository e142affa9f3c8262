-- The arrow beside the ship: a chevron pointing along +x, about 40 long.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(80, 200, 255)
add2DLines(f, { -14, 16, 22, 0, -14, -16, -4, 0 }, c, true)
add2DLines(f, { -20, 8, -10, 0, -20, -8 }, getColor(40, 120, 200))
