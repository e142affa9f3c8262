-- A spare ship model, nose along +x, about 25 units long: a round hull with
-- two side pods, like an old flying saucer seen from above.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
addCircle(f, 0, 0, 8, 10, getColor(255, 120, 40))
add2DLines(f, { 12, 0, 4, 3, 4, -3 }, getColor(255, 255, 255), true)
addRectangle(f, -8, 8, 12, 4, getColor(255, 200, 60))
addRectangle(f, -8, -12, 12, 4, getColor(255, 200, 60))
