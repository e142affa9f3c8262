-- The Fusion: the ship carries the fusion gun. Splitters fade in and circle
-- closer; five hits split one into five parts. Destroy every splitter and
-- every part.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/fusion part 2/generated"

W, H = 2400, 2400
PAR = 60 * 150
-- The gun of mode 8.
FUSION_GUN = 8
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/fusion part 2/graphics fusion part 2.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 100)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1200, 1200, 3)
    zorbix.setPlayerShootMode(FUSION_GUN)
    splitters = {}
    for k = 1, 4 + 2 * d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        splitters[k] = zorbix.newSplitter(x, y)
    end
    elapsed = 0
    won = false
    createMessage("^3The fusion gun: split them all", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Splitters: " .. zorbix.getSplitterCount() + zorbix.getSplitterPartCount()
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getSplitterCount() + zorbix.getSplitterPartCount() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        for _, s in ipairs(splitters) do
            zorbix.setEntityDestroy(s)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
