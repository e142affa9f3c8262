-- The helicopter's body, nose toward +x, 50 units from the rotor to the nose:
-- a blue cabin with its canopy, an orange tail boom and a tail rotor.
require "/data/functions/commonGraphicFunctions"

local hull = getColor(95, 189, 255)
local glass = getColor(200, 240, 255)
local tail = getColor(255, 150, 40)

graphic = new2DGraphic(1)
local f = graphic[1]
add2DLines(f, { 50, 0, 38, 16, 10, 22, -18, 16, -24, 0, -18, -16, 10, -22, 38, -16 }, hull, true)
add2DLines(f, { 42, 0, 32, 11, 18, 12, 18, -12, 32, -11 }, glass, true)
add2DLines(f, { -22, 5, -70, 3, -70, -3, -22, -5 }, tail, true)
add2DLines(f, { -64, 14, -64, -14 }, tail)
add2DLines(f, { -70, 12, -58, 12 }, tail)
add2DLines(f, { -70, -12, -58, -12 }, tail)
-- Skids.
add2DLines(f, { 30, 28, -20, 28 }, hull)
add2DLines(f, { 30, -28, -20, -28 }, hull)
