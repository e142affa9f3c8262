-- The highway's far layer: street lights scattered from the game's
-- generator along both sides, beyond the kerbs.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 40 do
    local x = randomBetween(0, 3200)
    local y = -randomBetween(120, 400)
    if k % 2 == 0 then
        y = 1200 + randomBetween(120, 400)
    end
    addCircle(f, x, y, randomBetween(10, 30), 6, getColor(255, 200, 80))
end
