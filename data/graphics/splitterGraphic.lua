-- Frame 0: the splitter (a pentagon around a five-pointed star, radius 30);
-- frame 1: one of the five parts it breaks into (a shard, radius 20).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local c = getColor(255, 255, 255)
local f = graphic[1]
local corners = getCirclePoints(0, 0, 30, 5, 0, 90)
add3DLines(f, corners, c, true)
local star = {}
for k = 0, 4 do
    local i = 3 * ((2 * k) % 5)
    star[#star + 1] = corners[i + 1]
    star[#star + 1] = corners[i + 2]
    star[#star + 1] = 0
end
add3DLines(f, star, c, true)
addCircle(f, 0, 0, 8, 5, c, 0)

local p = graphic[2]
add2DLines(p, { 20, 0, -12, 14, -6, 0, -12, -14 }, c, true)
add2DLine(p, -6, 0, 20, 0, c)
