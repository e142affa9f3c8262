-- Background of Go With The Flow: the walls and the lanes as pairs of
-- guide lines with arrows showing each stream's way.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/gogo/gogo"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(120, 220, 255), true)
end
local lane = getColor(30, 50, 80)
for _, x in ipairs(LANES_X) do
    add2DLine(f, x - 40, 40, x - 40, H - 40, lane)
    add2DLine(f, x + 40, 40, x + 40, H - 40, lane)
end
for _, y in ipairs(LANES_Y) do
    add2DLine(f, 40, y - 40, W - 40, y - 40, lane)
    add2DLine(f, 40, y + 40, W - 40, y + 40, lane)
end
for _, b in ipairs(BEACONS) do
    addCircle(f, b[1], b[2], 120, 20, getColor(90, 90, 40))
end
