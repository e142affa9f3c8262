-- The icon of the in-game menu tab, at the button centre, in pixels: three
-- bars across the button (along y, the screen's horizontal) in a rounded box.
require "/data/functions/commonGraphicFunctions"

local bar = getColor(255, 255, 255)
local box = getColor(120, 200, 255)

graphic = new2DGraphic(1)
local frame = graphic[1]
for k = -1, 1 do
    add2DLine(frame, 12 * k, -18, 12 * k, 18, bar)
end
add2DLines(frame, { -24, -22, -20, -26, 20, -26, 24, -22, 24, 22, 20, 26, -20, 26, -24, 22 }, box, true)
