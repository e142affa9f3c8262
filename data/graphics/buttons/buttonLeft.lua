-- The arrow of the back button along the left edge: a double chevron pointing
-- left (+y), drawn inside the button's band.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local frame = graphic[1]
add2DLines(frame, { -34, -14, 0, 12, 34, -14 }, getColor(255, 255, 255))
add2DLines(frame, { -24, -26, 0, -4, 24, -26 }, getColor(120, 200, 255))
