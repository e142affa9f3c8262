-- The plainest enemy, radius 20: a square turned by 45 degrees with a cross
-- inside, red, flat.
require "/data/functions/commonGraphicFunctions"

local hull = getColor(255, 60, 60)
local cross = getColor(255, 180, 180)

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 20, 0, 0, 20, -20, 0, 0, -20 }, hull, true)
add2DLine(f, -8, -8, 8, 8, cross)
add2DLine(f, -8, 8, 8, -8, cross)
