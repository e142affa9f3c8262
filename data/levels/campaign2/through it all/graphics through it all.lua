-- Background of Small Promenade: the walls and the path as a dotted trail.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/through it all/through it all"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(120, 255, 160), true)
end
local trail = {}
for _, p in ipairs(PATH) do
    trail[#trail + 1] = p[1]
    trail[#trail + 1] = p[2]
    addCircle(f, p[1], p[2], 20, 8, getColor(60, 120, 80))
end
add2DLines(f, trail, getColor(40, 80, 50))
