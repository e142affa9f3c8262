-- Swarm: arrow enemies stream along lanes across the field while dodgers
-- rush the ship, sidestepping its shots. Destroy every dodger; the lanes
-- never stop.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 2000, 2400
START_X, START_Y = 1000, 1200
PAR = 60 * 150
-- Lanes: the x of each lane where arrow enemies fly along y (the lane
-- table counts them by their x).
LANES = { 300, 700, 1300, 1700 }
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/swarm/backgroundSwarm.lua")
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    dodgersLeft = 8 + 4 * difficulty
    dodgers = {}
    feedLanes()
    pointToNearest(function()
        return dodgers
    end)
    playLevel({
        message = "^5Shoot down the dodgers",
        par = PAR,
        hud = function()
            return "^7Dodgers: " .. dodgersLeft + zorbix.getDodgerCount()
        end,
        step = step,
        isWon = function()
            return dodgersLeft == 0 and zorbix.getDodgerCount() == 0
        end,
    })
end

-- Keeps each lane supplied with an arrow enemy or two.
function feedLanes()
    for k, x in ipairs(LANES) do
        if zorbix.getOBAFCountAtX(x) < 1 + difficulty then
            -- Odd lanes fly toward +y from the bottom, even ones back; the
            -- type (code / 4) alternates between the weak blue kinds.
            local down = k % 2
            zorbix.newOptimizedBAF(x, 100 + down * (H - 200), 2 + down + 4 * (k % 2))
        end
    end
end

function step()
    if elapsed % 30 == 0 then
        feedLanes()
    end
    if dodgersLeft > 0 and zorbix.getDodgerCount() < 2 + difficulty and elapsed % 90 == 0 then
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 700)
        dodgers[#dodgers + 1] = zorbix.newDodger(x, y)
        dodgersLeft = dodgersLeft - 1
    end
end


levelTest = newLevelTest(
    function()
        destroyHandles(dodgers)
        dodgers = {}
    end,
    -- Holds the middle, between the lanes, shooting the nearest dodger
    -- ahead of its rush.
    function()
        local h, x, y = nearestHandle(liveHandles(dodgers))
        if h == nil then
            return pilotSweep(START_X, START_Y)
        end
        local ax, ay = pilotLead(h, x, y)
        return pilotSticks(START_X, START_Y, ax, ay)
    end
)
