-- Background of Digest: the walls, the diamond pillars, and soft waves of
-- grass across the floor.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/digest/digest"

graphic = new2DGraphic(1)
local f = graphic[1]
local grass = getColor(30, 90, 40)
for x = 120, W - 120, 140 do
    local coords = {}
    for y = 60, H - 60, 80 do
        coords[#coords + 1] = x + scaleBy256(20, math.sin(y))
        coords[#coords + 1] = y
    end
    add2DLines(f, coords, grass)
end
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(120, 255, 120), true)
end
