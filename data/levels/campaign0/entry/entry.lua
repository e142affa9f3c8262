-- Entry: a fort stands in the middle of the field, its one gate facing the
-- ship. Guards fly back and forth across the approach and inside the walls;
-- the ship gets in and holds the spot at the fort's heart, longer and
-- against more guards at the higher difficulties.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 2000
START_X, START_Y = 200, 1000
PAR = 60 * 90
-- The fort: x 1400..2000, y 600..1400, walls 60 thick, the gate at y 900..1100.
-- The way in, for the scripted player.
ROUTE = { { 1250, 1000 }, { 1700, 1000 } }
local pilot = {}
levelQuads = frameWallQuads(W, H, 40)
for _, b in ipairs({ { 1940, 600, 60, 800 }, { 1400, 600, 600, 60 }, { 1400, 1340, 600, 60 },
    { 1400, 600, 60, 300 }, { 1400, 1100, 60, 300 } }) do
    appendQuads(levelQuads, boxObstacleQuads(b[1], b[2], b[3], b[4]))
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/entry/entryBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    heart = Spot.new(1700, 1000, 70, 360 + 120 * d)
    -- Guards across the approach (moving along y) and inside (along x).
    for k = 0, 2 + d do
        zorbix.newBackAndForth(600 + 220 * k, 200 + 500 * (k % 3), 90, k % 2)
    end
    for k = 0, d do
        zorbix.newBackAndForth(1550 + 120 * k, 800 + 200 * k, 0, 1)
    end
    playToSpot(heart, {
        message = "^3Get into the fort and hold its heart",
        messageSteps = 300,
        par = PAR - 600 * d,
        hud = function()
            return "^7Guards: " .. zorbix.getBAFCount()
        end,
    })
end

levelTest = newLevelTest(
    -- The ship flies in through the gate to the heart and stays there.
    function()
        zorbix.setEntityXY(playerShip, heart.x, heart.y)
    end,
    -- Flies to the gate and on to the heart, shooting ahead at the guards.
    function()
        local gx, gy = routePoint(ROUTE, pilot)
        return pilotSticks(gx, gy, gx, gy)
    end
)
