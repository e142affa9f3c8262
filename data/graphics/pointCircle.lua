-- A ring of 24 dots, radius 100, drawn as points (mode 0): marks a zone on
-- the ground without hiding what is in it.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
f.mode = 0
local color = getColor(120, 255, 200)
for k = 0, 23 do
    local x = scaleBy256(100, math.cos(15 * k))
    local y = scaleBy256(100, math.sin(15 * k))
    local p = addPoint(f, x, y)
    addLineBetween(f, p, p, color)
end
