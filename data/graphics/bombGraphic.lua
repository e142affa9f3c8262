-- The big blast, white, about 1000 units across: two rings, an inner ring
-- and rays between them. It is drawn scaled from 0.02 up to 0.66.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

graphic = new2DGraphic(1)
local f = graphic[1]
addCircle(f, 0, 0, 500, 48, white)
addCircle(f, 0, 0, 380, 40, white)
addCircle(f, 0, 0, 120, 16, white)
for k = 0, 23 do
    local a = 15 * k
    local outer = 500
    if k % 2 == 1 then
        outer = 380
    end
    add2DLine(f, scaleBy256(140, math.cos(a)), scaleBy256(140, math.sin(a)),
              scaleBy256(outer, math.cos(a)), scaleBy256(outer, math.sin(a)), white)
end
