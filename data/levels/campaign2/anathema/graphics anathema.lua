-- Background of Anathema: the walls, the ruins, and a broken pentagram.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/anathema/anathema"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(200, 40, 40), true)
end
local star = {}
for k = 0, 4 do
    local x, y = pointAt(1500, 1500, 90 + 144 * k, 900)
    star[#star + 1] = x
    star[#star + 1] = y
end
add2DLines(f, star, getColor(70, 15, 15), true)
