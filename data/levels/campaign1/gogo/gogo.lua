-- Go With The Flow: streams of arrow enemies cross the field in lanes, some
-- along x, some along y. The ship crosses them to three beacons in turn; the
-- lanes are kept full.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
PAR = 60 * 120
-- Lanes along y at these x, and along x at these y.
LANES_X = { 500, 900, 1500, 1900 }
LANES_Y = { 700, 1200, 1700 }
BEACONS = { { 2200, 2200 }, { 2200, 200 }, { 200, 2200 } }
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/gogo/graphics gogo.lua")
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(400, 400, 3)
    -- Each beacon is held longer, and par is shorter, at the higher difficulties.
    route = newRoute(BEACONS, 1, 80, 20 + 40 * difficulty, Arrow.new())
    feedLanes()
    playLevel({
        message = "^3Cross the streams to the beacons",
        messageSteps = 300,
        par = PAR - 600 * difficulty,
        hud = function()
            return "^7Beacon " .. minOf(route.index, #BEACONS) .. "/" .. #BEACONS
        end,
        step = step,
        isWon = function()
            return advanceRoute(route)
        end,
    })
end

-- Keeps 1 to 3 enemies in every lane, by the lane counts.
function feedLanes()
    local wanted = 1 + difficulty
    for k, x in ipairs(LANES_X) do
        if zorbix.getOBAFCountAtX(x) < wanted then
            zorbix.newOptimizedBAF(x, 100 + (k % 2) * (H - 200), 2 + k % 2 + 4 * (k % 3))
        end
    end
    for k, y in ipairs(LANES_Y) do
        if zorbix.getOBAFCountAtY(y) < wanted then
            zorbix.newOptimizedBAF(100 + (k % 2) * (W - 200), y, k % 2 + 4 * (k % 2))
        end
    end
end

function step()
    if elapsed % 20 == 0 then
        feedLanes()
    end
end

levelTest = newLevelTest(
    function()
        zorbix.setEntityXY(playerShip, route.spot.x, route.spot.y)
    end,
    -- Flies to the beacon, sweeping the shoot stick across its way.
    function()
        return pilotSweep(route.spot.x, route.spot.y)
    end
)
