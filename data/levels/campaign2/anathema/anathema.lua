-- Anathema: the final boss among ruins. It chases, throws seeds that hatch
-- enemies where they strike a wall, breaks apart to reappear beyond the
-- ship, and at the higher difficulties fires a wide beam. Bring it down.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/levels/campaign2/anathema/generated"

W, H = 3000, 3000
PAR = 60 * 240
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/anathema/graphics anathema.lua")
    player = Player.new(1500, 400, 5)
    boss = zorbix.newTeleporter(1500, 2200, 1)
    elapsed = 0
    won = false
    createMessage("^1Anathema", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^1Anathema"
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getTeleporterCount() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        zorbix.setEntityDestroy(boss)
    end,
    lose = function()
        player:useUpLives()
    end,
}
