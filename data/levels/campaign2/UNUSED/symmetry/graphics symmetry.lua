-- Symmetry's floor, 1600 x 1200: both diagonals and the two middle lines,
-- so the four mirror-image quarters show, the pillars and the rim.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/UNUSED/symmetry/generated"

graphic = new2DGraphic(1)
local f = graphic[1]
local color = getColor(40, 40, 90)
add2DLine(f, 0, 0, 1600, 1200, color)
add2DLine(f, 0, 1200, 1600, 0, color)
add2DLine(f, 800, 0, 800, 1200, color)
add2DLine(f, 0, 600, 1600, 600, color)
addCircle(f, 800, 600, 200, 24, getColor(90, 90, 200))
for _, q in ipairs(symmetryPillars) do
    add2DLines(f, q, getColor(150, 150, 255), true)
end
addRectangle(f, 0, 0, 1600, 1200, getColor(150, 150, 255))
