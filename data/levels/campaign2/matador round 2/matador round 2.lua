-- Matador: Round 2: the bullring again, smaller, with every size of sucider
-- at once, middle ones that burst into rings of small ones, and dodgers.
-- Destroy them all.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

W, H = 2000, 2000
CX, CY = 1000, 1000
PAR = 60 * 180
levelQuads = outlineToQuads(regularOutline(CX, CY, 900, 12, 15), 60, true)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/matador round 2/graphics matador round 2.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY - 600, 5)
    enemies = {}
    for k = 1, 3 + d do
        local x, y = pointAt(CX, CY, 40 + 90 * k, 500)
        enemies[#enemies + 1] = zorbix.newSucider(x, y, 0, k % 3)
    end
    for k = 1, 2 + d do
        local x, y = pointAt(CX, CY, 90 + 60 * k, 300)
        enemies[#enemies + 1] = zorbix.newDodger(x, y)
    end
    elapsed = 0
    won = false
    createMessage("^1Round two", 180)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Enemies: " .. zorbix.getSuciderCount() + zorbix.getDodgerCount()
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getSuciderCount() + zorbix.getDodgerCount() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
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
