-- Background of The Rescue: the walls, and the wrecks with a dim line across.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/fusion part 1/fusion part 1"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(90, 160, 255), true)
end
for _, r in ipairs(ROCKS) do
    add2DLine(f, r[1] - r[3], r[2], r[1] + r[3], r[2], getColor(40, 70, 120))
end
