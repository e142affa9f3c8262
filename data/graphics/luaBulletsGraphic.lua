-- An enemy bullet that scripts and small enemies fire: a dart of radius 12
-- pointing along +x.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(255, 255, 255)
add2DLines(f, { 12, 0, -6, 7, -12, 0, -6, -7 }, c, true)
add2DLine(f, -12, 0, 12, 0, c)
