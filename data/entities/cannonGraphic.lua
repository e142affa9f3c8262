-- The turret of a cannon, its barrel along +x: an octagonal base with a ring
-- and the barrel. Frame 0 as it stands, frame 1 in white for a hit.
require "/data/functions/commonGraphicFunctions"

local function turret(f, base, barrel)
    add3DLines(f, getCirclePoints(0, 0, 34, 8, 0, 22), base, true)
    addCircle(f, 0, 0, 20, 12, base)
    add2DLines(f, { 20, -7, 46, -7, 46, 7, 20, 7 }, barrel)
    add2DLine(f, 38, -9, 38, 9, barrel)
end

graphic = new2DGraphic(2)
turret(graphic[1], getColor(200, 120, 40), getColor(255, 200, 80))
local white = getColor(255, 255, 255)
turret(graphic[2], white, white)
