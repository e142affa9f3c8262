-- Frame 0: the elastic band, 200 units along +x (scaled to the distance it
-- spans); frame 1: the anchor it is tied to.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(2)
local c = getColor(255, 255, 255)
local band = { 0, 0 }
for k = 1, 19 do
    band[#band + 1] = 10 * k
    if k % 2 == 1 then band[#band + 1] = 8 else band[#band + 1] = -8 end
end
band[#band + 1] = 200
band[#band + 1] = 0
add2DLines(graphic[1], band, c)
add2DLine(graphic[1], 0, 0, 200, 0, c)

local a = graphic[2]
addCircle(a, 0, 0, 12, 12, c)
addCircle(a, 0, 0, 5, 6, c)
add2DLine(a, -18, 0, 18, 0, c)
add2DLine(a, 0, -18, 0, 18, c)
