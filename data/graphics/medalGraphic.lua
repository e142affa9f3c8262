-- A medal: a disc with an inner ring and a five-pointed star, and two short
-- ribbon tails above it (+x); 24 units tall, so that a column of medals
-- spaced 27 apart stays clear. Drawn in the colour of the medal.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
local white = getColor(255, 255, 255)
addCircle(frame, -2, 0, 10, 20, white)
addCircle(frame, -2, 0, 7, 20, white)
local star = {}
for k = 0, 4 do
    local a = k * 144
    star[#star + 1] = -2 + scaleBy256(6, math.cos(a))
    star[#star + 1] = scaleBy256(6, math.sin(a))
end
add2DLines(frame, star, white, true)
add2DLines(frame, { 8, -3, 14, -8, 14, -2, 8, 3 }, white)
add2DLines(frame, { 8, 3, 14, 2, 14, 8, 8, -3 }, white)
