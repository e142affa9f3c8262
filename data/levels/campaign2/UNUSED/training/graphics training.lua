-- The shooting range, 1600 x 1200: lanes toward the targets and the firing
-- line, and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for y = 200, 1000, 200 do
    add2DLine(f, 300, y, 1000, y, getColor(40, 60, 40))
end
add2DLine(f, 300, 0, 300, 1200, getColor(255, 255, 120))
addRectangle(f, 0, 0, 1600, 1200, getColor(120, 255, 120))
