-- Marching Cubes: cubes roll toward the ship across a checkered square,
-- one side length at a time, resting less and less between rolls. Three
-- shots break one. Waves come in from the corners.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

W, H = 2000, 2000
PAR = 60 * 150
CORNERS = { { 200, 200 }, { 1800, 200 }, { 200, 1800 }, { 1800, 1800 } }
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/marching cubes/graphics marching cubes.lua")
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(1000, 1000, 3)
    wave, waves = 0, 3 + difficulty
    cubes = {}
    elapsed = 0
    won = false
    nextWave()
    createMessage("^3Break the marching cubes", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives .. "  Wave " .. wave .. "/" .. waves, "^7Cubes: " .. zorbix.getRollingCubeCount()
    end)
    everyStep(step)
end

function nextWave()
    wave = wave + 1
    cubes = {}
    for k = 1, 2 + wave + difficulty do
        local c = CORNERS[(k - 1) % 4 + 1]
        local offset = 80 * ((k - 1) / 4)
        -- Steps per roll and rest steps: quicker in later waves.
        cubes[#cubes + 1] = zorbix.newRollingCube(c[1] + offset, c[2] + offset, 26 - 2 * wave, 8 - wave)
    end
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getRollingCubeCount() == 0 then
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
        for _, c in ipairs(cubes) do
            zorbix.setEntityDestroy(c)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
