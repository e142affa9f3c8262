-- Background of Cannon Intro: the hall's walls and a floor of faint tiles.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/cannon intro/cannon intro"

graphic = new2DGraphic(1)
local f = graphic[1]
local tile = getColor(40, 60, 90)
for x = 40, W - 40, 160 do
    add2DLine(f, x, 40, x, H - 40, tile)
end
for y = 40, H - 40, 160 do
    add2DLine(f, 40, y, W - 40, y, tile)
end
local wall = getColor(255, 90, 60)
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, wall, true)
end
for _, c in ipairs(CANNONS) do
    addCircle(f, c[1], c[2], 60, 16, getColor(90, 70, 40))
end
