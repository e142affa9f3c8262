-- A menu background: 80 streaks of light of random length, all along +x,
-- like stars seen at speed, scattered from the game's generator.
require "/data/functions/commonGraphicFunctions"

local colors = { getColor(80, 120, 255), getColor(150, 200, 255), getColor(255, 255, 255) }

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 80 do
    local x = randomBetween(-1000, 1000)
    local y = randomBetween(-600, 600)
    add2DLine(f, x, y, x + randomBetween(20, 160), y, colors[randomBetween(1, 3)])
end
