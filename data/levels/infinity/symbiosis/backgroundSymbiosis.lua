-- Symbiosis's floor, 2000 x 1400: two interlaced sine waves, one per ship
-- colour, along x, and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for row = 1, 6 do
    local y0 = 200 * row
    local a, b = {}, {}
    for x = 0, 2000, 50 do
        a[#a + 1] = x
        a[#a + 1] = y0 + scaleBy256(60, math.sin(x / 2))
        b[#b + 1] = x
        b[#b + 1] = y0 - scaleBy256(60, math.sin(x / 2))
    end
    add2DLines(f, a, getColor(20, 50, 90))
    add2DLines(f, b, getColor(90, 30, 30))
end
addRectangle(f, 0, 0, 2000, 1400, getColor(200, 220, 255))
