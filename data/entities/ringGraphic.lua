-- A ring to fly through, radius 100: a double circle with four marks.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local c = getColor(120, 200, 255)
addCircle(f, 0, 0, 100, 32, c)
addCircle(f, 0, 0, 90, 32, getColor(60, 120, 255))
for k = 0, 3 do
    local a = k * 90
    add2DLine(f, scaleBy256(84, math.cos(a)), scaleBy256(84, math.sin(a)),
              scaleBy256(108, math.cos(a)), scaleBy256(108, math.sin(a)), getColor(255, 255, 255))
end
