-- Small Promenade: a winding walk through a field of circling enemies,
-- marked by waypoints; the circles brush the path. Walk it to the end.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/levels/campaign2/through it all/generated"

W, H = 2000, 3800
PAR = 60 * 120
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/through it all/graphics through it all.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(PATH[1][1], PATH[1][2], 3)
    -- Circling enemies centred beside the path, every second waypoint.
    for k = 2, #PATH - 1, 2 - (d + 1) / 2 do
        local p = PATH[k]
        local side = 1
        if p[1] > W / 2 then
            side = -1
        end
        zorbix.newCirculatingEnemy(p[1] + side * 350, p[2], 300 * 255, 37 * k, k % 2)
    end
    waypoint = 2
    spot = Spot.new(PATH[2][1], PATH[2][2], 90, 0)
    arrow = Arrow.new()
    arrow:setTarget(spot.x, spot.y)
    elapsed = 0
    won = false
    createMessage("^2Follow the waypoints", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Waypoint " .. waypoint - 1 .. "/" .. #PATH - 1
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if spot.reached then
        spot:destroy()
        waypoint = waypoint + 1
        if waypoint > #PATH then
            won = true
            arrow:clearTarget()
            finishLevel(true, winScore(player.lives, elapsed, PAR))
            return
        end
        spot = Spot.new(PATH[waypoint][1], PATH[waypoint][2], 90, 0)
        arrow:setTarget(spot.x, spot.y)
    end
end

levelTest = {
    win = function()
        zorbix.setEntityXY(playerShip, spot.x, spot.y)
    end,
    lose = function()
        player:useUpLives()
    end,
}
