-- Ship model 10. Frame 0: four fins around the ship's long axis (+x), which
-- the ship spins about that axis; frame 1: the fixed body. Radius about 20.
require "/data/functions/commonGraphicFunctions"

local cyan = getColor(0, 230, 255)
local yellow = getColor(255, 230, 40)
local white = getColor(255, 255, 255)
local orange = getColor(255, 130, 0)

graphic = { { points3D = {}, lines = {}, colors = {} }, { points = {}, lines = {}, colors = {} } }

local fins = graphic[1]
for k = 0, 3 do
    local a = 45 + 90 * k
    local c = math.cos(a)
    local s = math.sin(a)
    local function at(x, r)
        return { x, scaleBy256(r, c), scaleBy256(r, s) }
    end
    local p1 = at(8, 5)
    local p2 = at(-12, 20)
    local p3 = at(-16, 19)
    local p4 = at(-14, 5)
    add3DLines(fins, { p1[1], p1[2], p1[3], p2[1], p2[2], p2[3], p3[1], p3[2], p3[3], p4[1], p4[2], p4[3] }, cyan)
    add3DLines(fins, { p2[1], p2[2], p2[3], p4[1], p4[2], p4[3] }, yellow)
end

local body = graphic[2]
add2DLines(body, { 20, 0, 8, 5, -10, 6, -16, 3, -16, -3, -10, -6, 8, -5 }, white, true)
add2DLines(body, { 14, 0, 6, 2, 0, 0, 6, -2 }, orange, true)
add2DLine(body, -16, 0, -21, 0, orange)
