-- A spare ship model, nose along +x, about 25 units long: a heavy wedge with
-- a forked nose and two exhausts.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 13, 5, 4, 3, 4, -3, 13, -5, 6, -9, -12, -9, -12, 9, 6, 9 }, getColor(120, 255, 80), true)
add2DLine(f, -12, 4, -16, 4, getColor(255, 80, 40))
add2DLine(f, -12, -4, -16, -4, getColor(255, 80, 40))
add2DLines(f, { 0, 0, -6, 4, -6, -4 }, getColor(255, 255, 255), true)
