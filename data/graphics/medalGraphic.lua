-- A medal: a disc with an inner ring and a five-pointed star, and the two
-- ribbon tails above it (+x). Drawn in the colour of the medal.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
local white = getColor(255, 255, 255)
addCircle(frame, 0, 0, 20, 24, white)
addCircle(frame, 0, 0, 15, 24, white)
local star = {}
for k = 0, 4 do
    local a = k * 144
    star[#star + 1] = scaleBy256(11, math.cos(a))
    star[#star + 1] = scaleBy256(11, math.sin(a))
end
add2DLines(frame, star, white, true)
add2DLines(frame, { 19, -6, 36, -16, 36, -4, 19, 6 }, white)
add2DLines(frame, { 19, 6, 36, 4, 36, 16, 19, -6 }, white)
