-- A block of flats for city decoration: a box 120 wide, 80 deep and 200 high
-- (along +z) with rows of windows on its front, in 3-D.
require "/data/functions/commonGraphicFunctions"

local wall = getColor(60, 120, 200)
local window = getColor(255, 220, 100)

graphic = new3DGraphic(1)
local f = graphic[1]
local function box(x0, y0, x1, y1, z0, z1, color)
    add3DLines(f, { x0, y0, z0, x1, y0, z0, x1, y1, z0, x0, y1, z0 }, color, true)
    add3DLines(f, { x0, y0, z1, x1, y0, z1, x1, y1, z1, x0, y1, z1 }, color, true)
    addLine(f, x0, y0, z0, x0, y0, z1, color)
    addLine(f, x1, y0, z0, x1, y0, z1, color)
    addLine(f, x1, y1, z0, x1, y1, z1, color)
    addLine(f, x0, y1, z0, x0, y1, z1, color)
end
box(-60, -40, 60, 40, 0, 200, wall)
for row = 0, 5 do
    for col = 0, 3 do
        local x = -48 + 28 * col
        local z = 20 + 30 * row
        add3DLines(f, { x, -40, z, x + 16, -40, z, x + 16, -40, z + 18, x, -40, z + 18 }, window, true)
    end
end
