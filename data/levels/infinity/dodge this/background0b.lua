-- Dodge this's far layer: small crosses scattered from the game's generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
local color = getColor(20, 70, 40)
for k = 1, 90 do
    local x = randomBetween(40, 2360)
    local y = randomBetween(40, 1560)
    add2DLine(f, x - 12, y, x + 12, y, color)
    add2DLine(f, x, y - 12, x, y + 12, color)
end
