-- Bomb's floor, 1600 x 1200: the rim, and the walls of the maze outlined
-- with hazard stripes; frame 1 is the fuse trail drawn from the game's
-- generator.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/UNUSED/bomb/generated"

graphic = new2DGraphic(2)
local f = graphic[1]
addRectangle(f, 0, 0, 1600, 1200, getColor(255, 200, 40))
for x = 0, 1560, 80 do
    add2DLine(f, x, 0, x + 40, 40, getColor(120, 90, 10))
    add2DLine(f, x, 1160, x + 40, 1200, getColor(120, 90, 10))
end
-- Each wall is an axis-aligned box from its top-left corner (first) to its
-- bottom-right one (third): its outline, then stripes across it.
for _, q in ipairs(bombWalls) do
    add2DLines(f, q, getColor(255, 200, 40), true)
    local x1, y1, x2, y2 = q[1], q[2], q[5], q[6]
    if x2 - x1 < y2 - y1 then
        for y = y1, y2 - (x2 - x1), 40 do
            add2DLine(f, x1, y, x2, y + (x2 - x1), getColor(120, 90, 10))
        end
    else
        for x = x1, x2 - (y2 - y1), 40 do
            add2DLine(f, x, y1, x + (y2 - y1), y2, getColor(120, 90, 10))
        end
    end
end
local trail = graphic[2]
local coords = {}
for k = 0, 16 do
    coords[#coords + 1] = 100 * k
    coords[#coords + 1] = 600 + randomBetween(-80, 80)
end
add2DLines(trail, coords, getColor(90, 60, 20))
