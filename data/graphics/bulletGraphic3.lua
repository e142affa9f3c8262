-- The wide player shot, white: a double chevron; frame k points at 2k - 180 degrees.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

local function turned(x, y, a)
    local c = math.cos(a)
    local s = math.sin(a)
    return scaleBy256(1, x * c - y * s), scaleBy256(1, x * s + y * c)
end

graphic = new2DGraphic(180)
for k = 0, 179 do
    local f = graphic[k + 1]
    local a = 2 * k - 180
    for _, x in ipairs({ 6, 0 }) do
        local tx, ty = turned(x, 0, a)
        local lx, ly = turned(x - 6, 7, a)
        local rx, ry = turned(x - 6, -7, a)
        add2DLines(f, { lx, ly, tx, ty, rx, ry }, white)
    end
end
