-- Background of Entry: the walls, the fort drawn twice (its walls and a
-- battlement line inside them) and a path to the gate.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/entry/entry"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(220, 180, 90), true)
end
addRectangle(f, 1480, 680, 440, 640, getColor(90, 70, 40))
for x = 240, 1360, 80 do
    add2DLine(f, x, 960, x + 40, 960, getColor(60, 60, 60))
    add2DLine(f, x, 1040, x + 40, 1040, getColor(60, 60, 60))
end
