-- Background of Epilogue: the walls, a sunrise at the far end, and soft
-- horizontal streaks.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/epilogue/epilogue"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 220, 160), true)
end
for r = 200, 1000, 200 do
    addCircle(f, 1200, 3200, r, 48, getColor(90 - r / 20, 60 - r / 25, 20))
end
for y = 400, 2600, 300 do
    add2DLine(f, 300, y, 2100, y, getColor(25, 25, 40))
end
