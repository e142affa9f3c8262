-- Background of Boxes: the warehouse walls, the shelves with their rows of
-- crates, and floor markings.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/boxes/boxes"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(200, 120, 60), true)
end
for _, s in ipairs(SHELVES) do
    for y = s[2] + 40, s[2] + 360, 80 do
        addRectangle(f, s[1] + 40, y - 30, 120, 60, getColor(120, 80, 40))
    end
end
for y = 100, H - 100, 200 do
    add2DLine(f, 890, y, 910, y + 100, getColor(70, 70, 40))
end
