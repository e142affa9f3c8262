-- The snake's elements, facing +x, radius 35: 0 head, 1 body, 2 the element
-- before the tail, 3 the tail.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(4)
local c = getColor(255, 255, 255)
local head = graphic[1]
add2DLines(head, { 35, 0, 15, 25, -25, 25, -35, 0, -25, -25, 15, -25 }, c, true)
addCircle(head, 10, 11, 5, 6, c)
addCircle(head, 10, -11, 5, 6, c)
add2DLines(head, { 35, 0, 45, 5, 50, 0, 45, -5 }, c)
addCircle(graphic[2], 0, 0, 28, 10, c)
addCircle(graphic[2], 0, 0, 14, 6, c)
addCircle(graphic[3], 0, 0, 22, 8, c)
add2DLine(graphic[3], -22, 0, 22, 0, c)
add2DLines(graphic[4], { 15, 18, -35, 0, 15, -18 }, c, true)
