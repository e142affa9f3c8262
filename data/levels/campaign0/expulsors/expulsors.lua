-- Expulsors: a winding canyon of fans. A fan blows the ship away when it
-- touches it; the ship uses the blasts to cross fields of circling mines
-- and reaches the exit at the far end.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1400, 3600
START_X, START_Y = 700, 200
PAR = 60 * 90
FANS = { { 400, 700 }, { 1000, 1100 }, { 400, 1700 }, { 1000, 2300 }, { 700, 2900 } }
MINES = { { 700, 900 }, { 700, 1500 }, { 700, 2100 }, { 700, 2700 } }
-- The way down the canyon, round the ledges and wide of the mines.
ROUTE = { { 1100, 500 }, { 1150, 900 }, { 1200, 1290 }, { 1000, 1450 }, { 260, 1500 }, { 200, 2000 }, { 250, 2420 }, { 700, 2480 },
    { 1150, 2480 }, { 1150, 2640 }, { 1000, 2800 }, { 700, 3400 } }
local pilot = {}
-- Three ledges that narrow the canyon, alternately from each side.
levelQuads = frameWallQuads(W, H, 40)
appendQuads(levelQuads, boxObstacleQuads(40, 1250, 700, 80))
appendQuads(levelQuads, boxObstacleQuads(660, 1950, 700, 80))
appendQuads(levelQuads, boxObstacleQuads(40, 2600, 700, 80))

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/expulsors/backgroundExpulsors.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    for _, f in ipairs(FANS) do
        zorbix.newFan(f[1], f[2])
    end
    for k, m in ipairs(MINES) do
        for j = 0, d do
            zorbix.newCirculatingEnemy(m[1], m[2], (160 + 60 * j) * 255, 90 * k + 120 * j, 0)
        end
    end
    -- The exit is held longer, and par is shorter, at the higher difficulties.
    exit = Spot.new(700, 3400, 80, 30 + 60 * d)
    playToSpot(exit, {
        message = "^3Ride the fans to the exit",
        messageSteps = 300,
        par = PAR - 600 * d,
        hud = function()
            return "^7Exit: " .. maxOf(0, exit.y - zorbix.getEntityY(playerShip)) / 10 .. " m"
        end,
    })
end

levelTest = newLevelTest(
    function()
        zorbix.setEntityXY(playerShip, exit.x, exit.y)
    end,
    -- Flies down the canyon round the ledges, shooting ahead at the mines.
    function()
        local gx, gy = routePoint(ROUTE, pilot)
        return pilotSticks(gx, gy, gx, gy)
    end
)
