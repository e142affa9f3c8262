-- A button decoration: three chevrons left of the label pointing left (+y),
-- brightest nearest the label; the mirror image of buttonRightLight.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
local shades = { getColor(140, 220, 255), getColor(90, 150, 200), getColor(50, 90, 130) }
for k = 0, 2 do
    local y = 92 + 12 * k
    add2DLines(frame, { -30, y, 0, y + 12, 30, y }, shades[k + 1])
end
