-- The arrow beside the ship: a chevron pointing along +x, about 40 long.
-- Magenta, unlike the ship (cyan, or yellow or white where a level says
-- so); it stands out on the blue, green and brown of the levels.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(255, 80, 220)
add2DLines(f, { -14, 16, 22, 0, -14, -16, -4, 0 }, c, true)
add2DLines(f, { -20, 8, -10, 0, -20, -8 }, getColor(190, 40, 160))
