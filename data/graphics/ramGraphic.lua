-- The ram: a wedge that opens ahead of the ship (+x) up to a bar at x 60,
-- 30 units to either side, where the ram strikes.
require "/data/functions/commonGraphicFunctions"

local orange = getColor(255, 140, 0)
local yellow = getColor(255, 240, 60)
local red = getColor(255, 50, 30)

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 14, 6, 60, 30, 64, 0, 60, -30, 14, -6 }, orange)
add2DLines(f, { 56, 24, 60, 0, 56, -24 }, yellow)
add2DLines(f, { 30, 8, 40, 0, 30, -8 }, red)
add2DLines(f, { 42, 14, 52, 0, 42, -14 }, red)
