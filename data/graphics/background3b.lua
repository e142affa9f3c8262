-- The second layer of background3, drawn farther back: a lattice of small
-- diamonds between the spokes, turned by 30 degrees against the rings.
require "/data/functions/commonGraphicFunctions"

local color = getColor(20, 30, 80)

graphic = new2DGraphic(1)
local f = graphic[1]
for ring = 2, 8 do
    local count = 6 * ring
    for k = 0, count - 1 do
        local a = 30 + 360 * k / count
        local cx = scaleBy256(130 * ring, math.cos(a))
        local cy = scaleBy256(130 * ring, math.sin(a))
        add2DLines(f, { cx + 18, cy, cx, cy + 18, cx - 18, cy, cx, cy - 18 }, color, true)
    end
end
