-- Background of Space Bedlam: the walls and a field of stars drawn from the
-- game's generator, different in every game.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign2/asteroids/asteroids"

graphic = new2DGraphic(2)
for _, q in ipairs(levelQuads) do
    add2DLines(graphic[1], q, getColor(150, 150, 150), true)
end
graphic[2].mode = 0
addRandomPoints(graphic[2], 500, 60, 60, W - 60, H - 60, getColor(200, 200, 255))
