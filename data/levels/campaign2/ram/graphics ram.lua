-- Background of Coming And Raming: the walls, the rocks and arrowheads
-- pointing the ship forward.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/ram/ram"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 120, 120), true)
end
for x = 300, 2100, 300 do
    for y = 300, 2100, 600 do
        add2DLines(f, { x - 30, y - 30, x, y, x - 30, y + 30 }, getColor(70, 30, 30))
    end
end
