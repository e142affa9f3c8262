-- A weapon bonus, 30 units across: a square crate with three bullets inside
-- pointing along +x, in green.
require "/data/functions/commonGraphicFunctions"

local crate = getColor(60, 255, 60)
local shot = getColor(220, 255, 220)

graphic = new2DGraphic(1)
local f = graphic[1]
addRectangle(f, -15, -15, 30, 30, crate)
addRectangle(f, -12, -12, 24, 24, getColor(20, 120, 20))
for k = -1, 1 do
    local y = 7 * k
    add2DLines(f, { -7, y - 2, 4, y - 2, 8, y, 4, y + 2, -7, y + 2 }, shot, true)
end
