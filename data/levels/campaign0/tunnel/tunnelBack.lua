-- Background of Tunnel: the tunnel's outline and rings of light along it.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/tunnel/tunnel"

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, OUTLINE, getColor(120, 200, 255), true)
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(40, 60, 90), true)
end
for y = 300, 1300, 200 do
    add2DLine(f, 110, y, 490, y, getColor(60, 60, 120))
end
for y = 2700, 3800, 200 do
    add2DLine(f, 110, y, 490, y, getColor(60, 60, 120))
end
