-- The emblem turned a quarter (points along +y), for the sides of the arena.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local function triangle(cx, cy, s, color)
    add2DLines(f, { cx, cy + s, cx + s, cy - s, cx - s, cy - s }, color, true)
end
triangle(0, 75, 75, getColor(255, 40, 40))
triangle(75, -75, 75, getColor(40, 255, 60))
triangle(-75, -75, 75, getColor(40, 100, 255))
