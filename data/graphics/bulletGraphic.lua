-- The plain player shot, white: frame k points at 2k - 180 degrees.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

-- (x, y) turned by a degrees, rounded to whole units.
local function turned(x, y, a)
    local c = math.cos(a)
    local s = math.sin(a)
    return scaleBy256(1, x * c - y * s), scaleBy256(1, x * s + y * c)
end

graphic = new2DGraphic(180)
for k = 0, 179 do
    local f = graphic[k + 1]
    local a = 2 * k - 180
    local tx, ty = turned(7, 0, a)
    local bx, by = turned(-7, 0, a)
    local lx, ly = turned(2, 3, a)
    local rx, ry = turned(2, -3, a)
    add2DLine(f, bx, by, tx, ty, white)
    add2DLines(f, { lx, ly, tx, ty, rx, ry }, white)
end
