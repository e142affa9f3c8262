-- The replay icon: a play triangle pointing right (-y) inside a circle with a
-- gap, the arrowhead at the gap turning back.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
local white = getColor(255, 255, 255)
local blue = getColor(120, 200, 255)
add2DLines(frame, { -10, 8, 10, 8, 0, -10 }, white, true)
local arc = {}
for a = 40, 340, 20 do
    arc[#arc + 1] = scaleBy256(20, math.cos(a))
    arc[#arc + 1] = scaleBy256(20, math.sin(a))
end
add2DLines(frame, arc, blue)
local x, y = scaleBy256(20, math.cos(40)), scaleBy256(20, math.sin(40))
add2DLines(frame, { x - 7, y + 2, x, y, x + 2, y + 7 }, blue)
