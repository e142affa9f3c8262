-- Digest: snakes wind through a garden of pillars. Only a head can be hurt;
-- each head that dies hands over to the next element, so the ship cuts a
-- snake down from the front. Touching a snake costs a life. More and longer
-- snakes at the higher difficulties.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"

W, H = 1800, 2600
START_X, START_Y = 200, 1300
PAR = 60 * 120

levelQuads = frameWallQuads(W, H, 40)
PILLARS = { { 600, 600 }, { 600, 2000 }, { 1200, 1000 }, { 1200, 1600 } }
for _, p in ipairs(PILLARS) do
    appendQuads(levelQuads, obstacleQuads({ p[1] - 60, p[2], p[1], p[2] - 60, p[1] + 60, p[2], p[1], p[2] + 60 }, 40))
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/digest/digestBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    snakes = {}
    local places = { { 1500, 400, 180 }, { 1500, 2200, 200 }, { 900, 1300, 90 } }
    for k = 1, 1 + d do
        local p = places[k]
        snakes[k] = zorbix.newSnake(p[1], p[2], p[3], 10 + 4 * d)
    end
    playClearLevel({
        message = "^2Shoot the snakes' heads",
        par = PAR,
        label = "Snake parts",
        counts = { zorbix.getSnakeCount },
    })
end

levelTest = newLevelTest(
    -- A shielded ship flies into each snake's head: touching it ends the
    -- whole snake.
    function()
        zorbix.setPlayerIsInvincible(true)
        for _, s in ipairs(snakes) do
            if zorbix.getSnakeCount() > 0 and zorbix.getEntityX(s) ~= 0 then
                zorbix.setEntityXY(playerShip, zorbix.getEntityX(s), zorbix.getEntityY(s))
                return
            end
        end
    end
)
