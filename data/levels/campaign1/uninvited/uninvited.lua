-- Uninvited: teleporters have moved into a maze. Each sleeps until it is
-- first shot, then chases, fires bursts and jumps past the ship; it falls
-- after enough hits. Find and destroy every one.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/levels/campaign1/uninvited/generated"

W, H = 2200, 3000
PAR = 60 * 180
levelQuads = frameWallQuads(W, H, 100)
for _, w in ipairs(MAZE_WALLS) do
    appendQuads(levelQuads, boxObstacleQuads(w[1], w[2], w[3], w[4]))
end
-- Rooms (column, row) of the teleporters, the first three at every difficulty.
ROOMS = { { 4, 6 }, { 0, 6 }, { 4, 0 }, { 2, 3 }, { 3, 5 } }

-- The middle of a room.
function roomCentre(c, r)
    return MAZE_ORIGIN + MAZE_CELL * c + MAZE_CELL / 2, MAZE_ORIGIN + MAZE_CELL * r + MAZE_CELL / 2
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/uninvited/graphics uninvited.lua")
    local d = zorbix.getDifficultyLevel()
    local sx, sy = roomCentre(0, 0)
    player = Player.new(sx, sy, 3)
    strength = 12 + 6 * d
    teleporters = {}
    for k = 1, 3 + d do
        local x, y = roomCentre(ROOMS[k][1], ROOMS[k][2])
        teleporters[k] = { ptr = zorbix.newTeleporter(x, y), alive = true }
    end
    arrow = Arrow.new(255, 120, 255)
    elapsed = 0
    won = false
    createMessage("^6Find the intruders", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Intruders: " .. zorbix.getTeleporterCount()
    end)
    everyStep(step)
end

function destroyTeleporter(t)
    local x, y = zorbix.getEntityX(t.ptr), zorbix.getEntityY(t.ptr)
    zorbix.newExplosion(x, y, 255, 120, 255, 80)
    zorbix.playSound("/data/sounds/teleporter_small.caf", x, y)
    zorbix.setEntityDestroy(t.ptr)
    t.alive = false
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    local nearest, best = nil, 0
    for _, t in ipairs(teleporters) do
        if t.alive then
            if zorbix.getEntityNumberOfHits(t.ptr) >= strength then
                destroyTeleporter(t)
            else
                local dd = zorbix.getEntitySqrDistanceFromPlayer(t.ptr)
                if nearest == nil or dd < best then
                    nearest, best = t, dd
                end
            end
        end
    end
    if nearest ~= nil then
        arrow:setTargetEntity(nearest.ptr)
    elseif player:isAlive() then
        arrow:clearTarget()
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        for _, t in ipairs(teleporters) do
            if t.alive then
                destroyTeleporter(t)
            end
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
