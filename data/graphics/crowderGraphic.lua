-- The crowder, radius 25: seven small cells packed in a hexagon, each a
-- ring with a dot of colour, as if many small enemies moved as one.
require "/data/functions/commonGraphicFunctions"

local cell = getColor(255, 150, 0)
local nucleus = getColor(255, 255, 120)

graphic = new2DGraphic(1)
local f = graphic[1]
local centres = { 0, 0 }
for k = 0, 5 do
    centres[#centres + 1] = scaleBy256(16, math.cos(60 * k))
    centres[#centres + 1] = scaleBy256(16, math.sin(60 * k))
end
for k = 1, #centres, 2 do
    local x, y = centres[k], centres[k + 1]
    addCircle(f, x, y, 8, 6, cell)
    add2DLine(f, x - 2, y, x + 2, y, nucleus)
end
