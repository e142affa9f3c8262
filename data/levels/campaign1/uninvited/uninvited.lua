-- Uninvited: teleporters have moved into a maze. Each sleeps until it is
-- first shot, then chases, fires bursts and jumps past the ship; it falls
-- after enough hits. Find and destroy every one.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
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
    playLevel({
        message = "^6Find the intruders",
        par = PAR,
        hud = function()
            return "^7Intruders: " .. zorbix.getTeleporterCount()
        end,
        step = step,
        isWon = function()
            return nearestTeleporter() == nil
        end,
    })
end

function destroyTeleporter(t)
    local x, y = zorbix.getEntityX(t.ptr), zorbix.getEntityY(t.ptr)
    zorbix.newExplosion(x, y, 255, 120, 255, 80)
    zorbix.playSound("/data/sounds/teleporter_small.caf", x, y)
    zorbix.setEntityDestroy(t.ptr)
    t.alive = false
end

-- The live teleporter nearest to the ship, or nil.
function nearestTeleporter()
    local nearest, best = nil, 0
    for _, t in ipairs(teleporters) do
        if t.alive then
            local dd = zorbix.getEntitySqrDistanceFromPlayer(t.ptr)
            if nearest == nil or dd < best then
                nearest, best = t, dd
            end
        end
    end
    return nearest
end

function step()
    for _, t in ipairs(teleporters) do
        if t.alive and zorbix.getEntityNumberOfHits(t.ptr) >= strength then
            destroyTeleporter(t)
        end
    end
    local nearest = nearestTeleporter()
    if nearest ~= nil then
        arrow:setTargetEntity(nearest.ptr)
    else
        arrow:clearTarget()
    end
end

levelTest = newLevelTest(
    function()
        for _, t in ipairs(teleporters) do
            if t.alive then
                destroyTeleporter(t)
            end
        end
    end
)
