-- Background of Diamond: the arena's walls and nested diamonds on the floor.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/diamond/diamond"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(80, 220, 255), true)
end
for r = 200, 1000, 200 do
    add2DLines(f, { CX, CY - r, CX + r, CY, CX, CY + r, CX - r, CY }, getColor(30, 60, 90), true)
end
