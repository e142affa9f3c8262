-- Around The Bend: a round arena whose wall keeps everything inside the
-- circle, a disk in the middle. Three goals travel around the bend; catch
-- each while dodgers rush in and circling enemies guard the rim.
require "/data/entities/Player"
require "/data/entities/CirculatingGoal"
require "/data/entities/SolidDisk"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createMessage"

W, H = 2400, 2400
CX, CY = 1200, 1200
RADIUS = 1100
PAR = 60 * 120

function init()
    setLevelSize(W, H)
    zorbix.newCollisionInnerDisk(CX, CY, RADIUS)
    SolidDisk.new(CX, CY, 250)
    newProp("/data/levels/campaign2/around the bend/graphics around the bend.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX - 450, CY, 3)
    goals = {}
    for k = 1, 3 do
        goals[k] = CirculatingGoal.new(CX, CY, 500 + 150 * k, 1 + (k + d) % 2, 120 * k)
    end
    for k = 1, 2 + d do
        zorbix.newDodger(CX + 700, CY - 400 + 400 * k)
    end
    for k = 1, 2 + d do
        zorbix.newCirculatingEnemy(CX, CY, 950 * 255, 90 * k, 1)
    end
    arrow = Arrow.new()
    elapsed = 0
    won = false
    createMessage("^2Catch the goals around the bend", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Goals: " .. caught() .. "/3"
    end)
    everyStep(step)
end

function caught()
    local n = 0
    for _, g in ipairs(goals) do
        if g.reached then
            n = n + 1
        end
    end
    return n
end

local function nextGoal()
    for _, g in ipairs(goals) do
        if not g.reached then
            return g
        end
    end
    return nil
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    local g = nextGoal()
    if g ~= nil then
        arrow:setTarget(g.x, g.y)
    elseif player:isAlive() then
        arrow:clearTarget()
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        local g = nextGoal()
        if g ~= nil then
            zorbix.setEntityXY(playerShip, g.x, g.y)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
