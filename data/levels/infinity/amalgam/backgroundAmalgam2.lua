-- Amalgam's far layer: faint rings of every size scattered from the game's
-- generator.
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
for k = 1, 30 do
    addCircle(f, randomBetween(-200, 2600), randomBetween(-200, 1800), randomBetween(20, 140), 12,
              getColor(30, randomBetween(10, 40), 60))
end
