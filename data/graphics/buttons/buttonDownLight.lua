-- The Play button's decoration: three chevrons below the label pointing down
-- (-x), brightest nearest the label.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
local shades = { getColor(255, 255, 120), getColor(190, 190, 70), getColor(120, 120, 40) }
for k = 0, 2 do
    local x = -34 - 14 * k
    add2DLines(frame, { x, -40, x - 14, 0, x, 40 }, shades[k + 1])
end
