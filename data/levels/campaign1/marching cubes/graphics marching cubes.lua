-- Background of Marching Cubes: the walls and a checkerboard of 200-unit
-- squares, alternate squares crossed.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/marching cubes/marching cubes"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 255, 255), true)
end
local line = getColor(50, 50, 50)
for k = 1, 9 do
    add2DLine(f, 200 * k, 40, 200 * k, H - 40, line)
    add2DLine(f, 40, 200 * k, W - 40, 200 * k, line)
end
for i = 0, 9 do
    for j = 0, 9 do
        if (i + j) % 2 == 0 then
            add2DLine(f, 200 * i + 80, 200 * j + 100, 200 * i + 120, 200 * j + 100, getColor(70, 70, 90))
        end
    end
end
