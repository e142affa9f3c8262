-- Second layer of Diamond's background: stars scattered over the floor,
-- drawn from the game's generator (they differ from game to game).
require "/data/functions/commonGraphicFunctions"

graphic = new2DGraphic(1)
local f = graphic[1]
f.mode = 0
addRandomPoints(f, 300, 400, 400, 2000, 2000, getColor(120, 160, 200))
