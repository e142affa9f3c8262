-- Background of Space Bound: the wrapping edge as a dashed frame and a grid
-- of faint crosses.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/space bound/space bound"

graphic = new2DGraphic(1)
local f = graphic[1]
local edge = getColor(80, 80, 200)
for k = ZONE[1], ZONE[2] - 100, 200 do
    add2DLine(f, k, ZONE[3], k + 100, ZONE[3], edge)
    add2DLine(f, k, ZONE[4], k + 100, ZONE[4], edge)
    add2DLine(f, ZONE[1], k, ZONE[1], k + 100, edge)
    add2DLine(f, ZONE[2], k, ZONE[2], k + 100, edge)
end
for x = 300, W - 300, 300 do
    for y = 300, H - 300, 300 do
        add2DLine(f, x - 10, y, x + 10, y, getColor(40, 40, 70))
        add2DLine(f, x, y - 10, x, y + 10, getColor(40, 40, 70))
    end
end
