-- The circulating enemy and the enemy seeds, white. Frames 0 to 15: a star of
-- seven spokes, radius 35, turned 3 degrees more in each frame; frames 16 to
-- 31: a star of three spokes, radius 20, turned 7 degrees more in each frame.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

-- A star of `spokes` points of radius `outer`, notched at radius `inner`,
-- with a small ring at its centre.
local function addStar(f, spokes, outer, inner, turn)
    local coords = {}
    for k = 0, 2 * spokes - 1 do
        local a = turn + 180 * k / spokes
        local r = outer
        if k % 2 == 1 then r = inner end
        coords[#coords + 1] = scaleBy256(r, math.cos(a))
        coords[#coords + 1] = scaleBy256(r, math.sin(a))
    end
    add2DLines(f, coords, white, true)
    addCircle(f, 0, 0, inner / 2, spokes * 2, white)
end

graphic = new2DGraphic(32)
for n = 0, 15 do
    addStar(graphic[n + 1], 7, 35, 15, 3 * n)
    addStar(graphic[n + 17], 3, 20, 8, 7 * n)
end
