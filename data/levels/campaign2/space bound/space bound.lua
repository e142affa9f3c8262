-- Space Bound: open space that wraps around: what leaves one edge comes back
-- at the other, the ship and the enemies alike. Mother ships cruise through
-- it, releasing bursts when destroyed. Destroy them all.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

W, H = 3000, 3000
-- The wrapping zone lies inside the level, clear of its edge.
ZONE = { 100, 2900, 100, 2900 }
PAR = 60 * 150

function init()
    setLevelSize(W, H)
    zorbix.newTeleportingZone(ZONE[1], ZONE[2], ZONE[3], ZONE[4])
    newProp("/data/levels/campaign2/space bound/graphics space bound.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1500, 1500, 3)
    ships = {}
    for k = 1, 3 + d do
        local x, y = getRandomCoord(300, 300, W - 300, H - 300, 900)
        ships[k] = zorbix.newMotherShip(x, y, 15 + 5 * (k % 3), 45 * k)
    end
    elapsed = 0
    won = false
    createMessage("^5Space wraps around", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Mother ships: " .. zorbix.getMotherShipCount()
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if zorbix.getMotherShipCount() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        for _, s in ipairs(ships) do
            zorbix.setEntityDestroy(s)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
