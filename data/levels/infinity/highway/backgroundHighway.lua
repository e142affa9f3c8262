-- The highway, 3200 x 1200: lane marks dashed along x, the two kerbs, and
-- chevrons on the hard shoulder.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local kerb = getColor(60, 120, 255)
local mark = getColor(140, 140, 160)
add2DLine(f, 0, 0, 3200, 0, kerb)
add2DLine(f, 0, 1200, 3200, 1200, kerb)
for lane = 1, 3 do
    local y = 300 * lane
    for x = 0, 3100, 200 do
        add2DLine(f, x, y, x + 100, y, mark)
    end
end
for x = 100, 3100, 400 do
    add2DLines(f, { x, 40, x + 30, 70, x, 100 }, getColor(40, 60, 130))
    add2DLines(f, { x, 1100, x + 30, 1130, x, 1160 }, getColor(40, 60, 130))
end
