-- Assault's floor, 2000 x 1400: a hexagon lattice in dim blue and the rim.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local color = getColor(10, 30, 80)
for row = 0, 9 do
    for col = 0, 13 do
        local x = 70 + 140 * col + 70 * (row % 2)
        local y = 70 + 140 * row
        if x < 1960 then
            addCircle(f, x, y, 60, 6, color)
        end
    end
end
addRectangle(f, 0, 0, 2000, 1400, getColor(60, 140, 255))
