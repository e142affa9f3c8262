-- The rim of a disk wall, radius 100: an uneven outline with a second one
-- inside, their bumps drawn from the game's generator (rebuilt each game).
require "/data/functions/commonGraphicFunctions"

local SEGMENTS = 36
graphic = new2DGraphic(1)
local f = graphic[1]
local outer, inner = {}, {}
for k = 0, SEGMENTS - 1 do
    local a = 360 * k / SEGMENTS
    local r = 100 - randomBetween(0, 4)
    outer[#outer + 1] = scaleBy256(r, math.cos(a))
    outer[#outer + 1] = scaleBy256(r, math.sin(a))
    local ri = 82 - randomBetween(0, 8)
    inner[#inner + 1] = scaleBy256(ri, math.cos(a + 5))
    inner[#inner + 1] = scaleBy256(ri, math.sin(a + 5))
end
add2DLines(f, outer, getColor(255, 90, 60), true)
add2DLines(f, inner, getColor(150, 50, 40), true)
