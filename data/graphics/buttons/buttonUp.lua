-- The arrow of the back button along the top edge: a double chevron pointing
-- up (+x), drawn inside the button's band.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
add2DLines(frame, { -14, -34, 12, 0, -14, 34 }, getColor(255, 255, 255))
add2DLines(frame, { -26, -24, -4, 0, -26, 24 }, getColor(120, 200, 255))
