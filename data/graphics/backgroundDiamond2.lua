-- A diamond arena seen from above: nested diamonds that fade toward the
-- centre, and the diagonals between their corners. About 2000 units across.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 8 do
    local r = 125 * k
    local shade = 20 + 15 * k
    add2DLines(f, { r, 0, 0, r, -r, 0, 0, -r }, getColor(0, shade, shade + 30), true)
end
local edge = getColor(0, 80, 120)
add2DLine(f, -1000, 0, 1000, 0, edge)
add2DLine(f, 0, -1000, 0, 1000, edge)
for k = 1, 3 do
    local r = 250 * k
    add2DLine(f, r, 1000 - r, -r, -(1000 - r), getColor(0, 40, 60))
    add2DLine(f, -r, 1000 - r, r, -(1000 - r), getColor(0, 40, 60))
end
