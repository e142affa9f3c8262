-- Background of Back And Forth: a billiard table: the cushions, the four
-- bumpers and the spots of the pockets.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/sisyphe/sisyphe"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(80, 200, 120), true)
end
for _, b in ipairs(BUMPERS) do
    addCircle(f, b[1], b[2], 120, 16, getColor(40, 100, 60))
end
for _, p in ipairs({ { 80, 80 }, { W - 80, 80 }, { 80, H - 80 }, { W - 80, H - 80 }, { 80, H / 2 }, { W - 80, H / 2 } }) do
    addCircle(f, p[1], p[2], 30, 12, getColor(60, 60, 60))
end
add2DLine(f, 40, H / 2, W - 40, H / 2, getColor(30, 60, 40))
