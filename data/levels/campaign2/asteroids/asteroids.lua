-- Space Bedlam: asteroids drift through a field; each shot splits a rock in
-- four smaller ones, down to the smallest. Clear the field.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

W, H = 2600, 2600
PAR = 60 * 180
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/asteroids/graphics asteroids.lua")
    newProp("/data/levels/campaign2/asteroids/graphics asteroids.lua"):setFrame(1)
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1300, 1300, 3)
    rocks = {}
    for k = 1, 4 + 2 * d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        rocks[k] = zorbix.newAsteroid(x, y)
    end
    elapsed = 0
    won = false
    createMessage("^7Clear the asteroid field", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives .. "  Destroyed: " .. zorbix.getAsteroidDestroyedCount(),
            "^7Rocks: " .. zorbix.getAsteroidCount()
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getAsteroidCount() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    -- Each big rock is cleared at once (the ship's fire takes its pieces).
    win = function()
        for _, r in ipairs(rocks) do
            zorbix.setEntityDestroy(r)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
