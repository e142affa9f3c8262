-- Coming And Raming: the ship has no gun, only its ram. Back-and-forth
-- enemies and mother ships come between the rocks; ram them all.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/ram/generated"

W, H = 2400, 2400
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/ram/graphics ram.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 80)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1200, 300, 3)
    player:setCanShoot(false)
    zorbix.setPlayerHasRam(true)
    enemies = {}
    for k = 1, 5 + 2 * d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        enemies[#enemies + 1] = zorbix.newBackAndForth(x, y, 40 * k, k % 2)
    end
    for k = 1, 1 + d do
        local x, y = getRandomCoord(300, 300, W - 300, H - 300, 900)
        enemies[#enemies + 1] = zorbix.newMotherShip(x, y, 30, 20 * k)
    end
    elapsed = 0
    won = false
    createMessage("^1No gun: ram them", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Enemies: " .. zorbix.getBAFCount() + zorbix.getMotherShipCount()
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getBAFCount() + zorbix.getMotherShipCount() == 0 and player:isAlive() then
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
