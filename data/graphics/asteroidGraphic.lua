-- Eight white rocks of radius up to 255: each outline has twelve corners at a
-- random distance from 170 to 255, and a crater. Every build draws the same
-- 8 x 14 numbers from the game's generator, so a seed always gives the same rocks.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

graphic = new2DGraphic(8)
for n = 1, 8 do
    local f = graphic[n]
    local coords = {}
    for k = 0, 11 do
        local a = 30 * k
        local r = randomBetween(170, 255)
        coords[#coords + 1] = scaleBy256(r, math.cos(a))
        coords[#coords + 1] = scaleBy256(r, math.sin(a))
    end
    add2DLines(f, coords, white, true)
    local cx = randomBetween(-70, 70)
    local cy = randomBetween(-70, 70)
    addCircle(f, cx, cy, 45, 8, white)
end
