-- Three triangles in the three colours, point up (+x), 300 units across:
-- the emblem laid under the middle of the arena.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local function triangle(cx, cy, s, color)
    add2DLines(f, { cx + s, cy, cx - s, cy + s, cx - s, cy - s }, color, true)
end
triangle(75, 0, 75, getColor(255, 40, 40))
triangle(-75, 75, 75, getColor(40, 255, 60))
triangle(-75, -75, 75, getColor(40, 100, 255))
