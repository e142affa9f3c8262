-- Four lightning bolts (frames 0 to 3), each about 400 units long from
-- (0, 0) along +x, zigzagging from the game's generator: a new set every
-- game, the same for a given seed.
require "/data/functions/commonGraphicFunctions"

local core = getColor(255, 255, 255)
local glow = getColor(120, 160, 255, 160)

graphic = new2DGraphic(4)
for k = 1, 4 do
    local f = graphic[k]
    local coords = { 0, 0 }
    local x, y = 0, 0
    for s = 1, 10 do
        x = 40 * s
        y = y + randomBetween(-30, 30)
        coords[#coords + 1] = x
        coords[#coords + 1] = y
        -- A short branch from some of the bends.
        if randomBetween(0, 3) == 0 then
            add2DLine(f, x, y, x + randomBetween(20, 50), y + randomBetween(-50, 50), glow)
        end
    end
    add2DLines(f, coords, core)
    local shifted = {}
    for i = 1, #coords, 2 do
        shifted[#shifted + 1] = coords[i]
        shifted[#shifted + 1] = coords[i + 1] + 3
    end
    add2DLines(f, shifted, glow)
end
