-- The helicopter's main rotor: two crossed blades 50 long each way, with
-- bright tips, around the hub at the origin.
require "/data/functions/commonGraphicFunctions"

local blade = getColor(210, 210, 220)
local tip = getColor(255, 230, 60)

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 0, 3 do
    local a = 90 * k
    local c = math.cos(a)
    local s = math.sin(a)
    -- A narrow blade: out along the axis, 3 units wide.
    add2DLines(f, { scaleBy256(6, c) - scaleBy256(3, s), scaleBy256(6, s) + scaleBy256(3, c),
                    scaleBy256(42, c) - scaleBy256(3, s), scaleBy256(42, s) + scaleBy256(3, c),
                    scaleBy256(42, c) + scaleBy256(3, s), scaleBy256(42, s) - scaleBy256(3, c),
                    scaleBy256(6, c) + scaleBy256(3, s), scaleBy256(6, s) - scaleBy256(3, c) }, blade, true)
    add2DLine(f, scaleBy256(42, c), scaleBy256(42, s), scaleBy256(50, c), scaleBy256(50, s), tip)
end
addCircle(f, 0, 0, 6, 8, blade)
