-- Back And Forth: waves of back-and-forth enemies bounce around a billiard
-- hall; from the third wave on, multicolour ones that need a shot of each of
-- their colours (the pulsars give them). Clear every wave.
require "/data/entities/Player"
require "/data/entities/Pulsar"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

W, H = 1800, 3000
START_X, START_Y = 900, 1500
PAR = 60 * 150
-- Bumpers: four octagons.
levelQuads = frameWallQuads(W, H, 40)
BUMPERS = { { 500, 800 }, { 1300, 800 }, { 500, 2200 }, { 1300, 2200 } }
for _, b in ipairs(BUMPERS) do
    local outline = {}
    for k = 0, 7 do
        local x, y = pointAt(b[1], b[2], 45 * k + 22, 90)
        outline[#outline + 1] = x
        outline[#outline + 1] = y
    end
    appendQuads(levelQuads, obstacleQuads(outline, 50))
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/sisyphe/graphics sisyphe.lua")
    for _, b in ipairs(BUMPERS) do
        addTakenDisk(b[1], b[2], 160)
    end
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    Pulsar.new(900, 300, 255, 30, 30, 0)
    Pulsar.new(300, 1500, 10, 255, 40, 1)
    Pulsar.new(900, 2700, 20, 80, 255, 2)
    wave, waves = 0, 4 + difficulty
    enemies = {}
    elapsed = 0
    won = false
    nextWave()
    createMessage("^3Clear the hall, wave after wave", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives .. "  Wave " .. wave .. "/" .. waves, "^7Left: " .. zorbix.getBAFCount()
    end)
    everyStep(step)
end

function nextWave()
    wave = wave + 1
    enemies = {}
    for k = 1, 3 + wave + difficulty do
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        local angle = randomBetween(0, 359)
        if wave >= 3 and k % 2 == 0 then
            local r, g, b = k % 4 == 0, true, wave >= 4
            enemies[#enemies + 1] = zorbix.newMultiColorBackAndForth(x, y, angle, r, g, b)
        else
            enemies[#enemies + 1] = zorbix.newBackAndForth(x, y, angle, randomBetween(0, 3))
        end
    end
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getBAFCount() == 0 then
        if wave < waves then
            nextWave()
            createMessage("^3Wave " .. wave, 120)
        elseif player:isAlive() then
            won = true
            finishLevel(true, winScore(player.lives, elapsed, PAR))
        end
    end
end

levelTest = {
    win = function()
        for _, e in ipairs(enemies) do
            zorbix.setEntityDestroy(e)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
