-- A spare ship model, nose along +x, about 25 units long: a slim arrow with
-- swept wings and a cockpit; levels may show it for a friend or a decoy.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 14, 0, -4, 4, -11, 10, -7, 0, -11, -10, -4, -4 }, getColor(80, 200, 255), true)
add2DLines(f, { 8, 0, 1, 2, 1, -2 }, getColor(255, 255, 255), true)
