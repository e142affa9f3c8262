-- The helicopter's body, nose toward +x, within 50 units of the rotor: a blue
-- cabin with its canopy and skids, an orange tail boom and a tail rotor.
require "/data/functions/commonGraphicFunctions"

local hull = getColor(95, 189, 255)
local glass = getColor(200, 240, 255)
local tail = getColor(255, 150, 40)

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 48, 0, 38, 14, 14, 20, -8, 14, -14, 0, -8, -14, 14, -20, 38, -14 }, hull, true)
add2DLines(f, { 40, 0, 31, 10, 20, 11, 20, -11, 31, -10 }, glass, true)
add2DLines(f, { -12, 4, -46, 2, -46, -2, -12, -4 }, tail, true)
add2DLines(f, { -42, 12, -42, -12 }, tail)
add2DLines(f, { -47, 10, -37, 10 }, tail)
add2DLines(f, { -47, -10, -37, -10 }, tail)
-- Skids.
add2DLines(f, { 32, 26, -10, 26 }, hull)
add2DLines(f, { 32, -26, -10, -26 }, hull)
