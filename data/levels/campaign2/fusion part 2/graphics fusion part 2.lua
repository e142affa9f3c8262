-- Background of The Fusion: the walls, the pillars, and a reactor core
-- pattern in the middle.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/fusion part 2/fusion part 2"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 255, 90), true)
end
for k = 0, 5 do
    addCircle(f, 1200, 1200, 60 + 40 * k, 6 + 2 * k, getColor(70, 70, 20))
end
