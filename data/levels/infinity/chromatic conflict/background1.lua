-- Chromatic Conflict's floor, 2000 x 1400: three dim bands of red, green
-- and blue, and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local bands = { getColor(60, 10, 10), getColor(10, 60, 10), getColor(10, 20, 70) }
for k = 0, 2 do
    for y = 20 + 466 * k, 446 + 466 * k, 40 do
        add2DLine(f, 0, y, 2000, y, bands[k + 1])
    end
end
addRectangle(f, 0, 0, 2000, 1400, getColor(200, 200, 200))
