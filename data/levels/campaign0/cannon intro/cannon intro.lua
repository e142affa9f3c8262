-- Cannon Intro: the first level. Cannons guard a hall with a few pillars;
-- the ship destroys them all. More cannons, tougher and quicker to fire at
-- the higher difficulties.
require "/data/entities/Player"
require "/data/entities/Cannon"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

W, H = 2400, 1400
START_X, START_Y = 300, 700
-- Steps under which the time bonus counts.
PAR = 60 * 90

-- The walls, kept as quads so that the background draws the same ones.
levelQuads = frameWallQuads(W, H, 40)
for _, b in ipairs({ { 700, 300, 120, 260 }, { 700, 840, 120, 260 }, { 1500, 560, 260, 120 } }) do
    appendQuads(levelQuads, boxObstacleQuads(b[1], b[2], b[3], b[4]))
end

-- Cannon places, the first three at every difficulty.
CANNONS = { { 1150, 700 }, { 2000, 300 }, { 2000, 1100 }, { 1150, 200 }, { 1150, 1200 } }

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/cannon intro/cannonIntroBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    cannons = {}
    for k = 1, 3 + d do
        local c = CANNONS[k]
        cannons[k] = Cannon.new(c[1], c[2], 8 + 2 * d, 100 - 15 * d, (3 + d) * 255)
    end
    arrow = Arrow.new()
    elapsed = 0
    won = false
    createMessage("^3Destroy the cannons", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Cannons: " .. Cannon.alive
    end)
    everyStep(step)
end

-- The nearest live cannon, for the arrow.
local function nearestCannon()
    local best, bestD = nil, 0
    for _, c in ipairs(cannons) do
        if not c.mustBeDestroyed then
            local d = c:getSquareDistanceFromPlayer()
            if best == nil or d < bestD then
                best, bestD = c, d
            end
        end
    end
    return best
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    local c = nearestCannon()
    if c ~= nil then
        arrow:setTarget(c.x, c.y)
    else
        arrow:clearTarget()
    end
    if Cannon.alive == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

-- The game never reads this; the tests drive the level with it.
levelTest = {
    -- Every live cannon takes the hits that destroy it.
    win = function()
        for _, c in ipairs(cannons) do
            if not c.mustBeDestroyed then
                zorbix.setHardDiskHitCount(c.disk, c.strength)
            end
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
