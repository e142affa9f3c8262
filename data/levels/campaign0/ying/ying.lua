-- Ying: red and blue Brownians drift about. Only shots of an enemy's own
-- colour destroy it; two pulsars change the ship's colour and shots. Clear
-- the hall of both colours. A short level (some twelve seconds for a quick
-- player): the colour rule is the lesson, the next levels build on it.
require "/data/entities/Player"
require "/data/entities/Pulsar"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 1600, 2400
START_X, START_Y = 800, 1200
PAR = 60 * 120

levelQuads = frameWallQuads(W, H, 40)
appendQuads(levelQuads, boxObstacleQuads(760, 300, 80, 300))
appendQuads(levelQuads, boxObstacleQuads(760, 1800, 80, 300))

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/ying/yingBack.lua")
    addTakenBox(700, 250, 200, 400)
    addTakenBox(700, 1750, 200, 400)
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    redPulsar = Pulsar.new(400, 1200, 255, 30, 30, 0)
    bluePulsar = Pulsar.new(1200, 1200, 20, 80, 255, 2)
    -- The handles by colour, and all of them.
    reds, blues, enemies = {}, {}, {}
    for k = 1, 10 + 3 * d do
        for _, colour in ipairs({ 0, 2 }) do
            local x, y = getRandomCoord(100, 100, W - 100, H - 100, 500)
            local e = zorbix.newBrownian(x, y, colour)
            enemies[#enemies + 1] = e
            if colour == 0 then
                reds[#reds + 1] = e
            else
                blues[#blues + 1] = e
            end
        end
    end
    playClearLevel({
        message = "^1Red ^7shots for red, ^4blue ^7for blue",
        messageSteps = 300,
        par = PAR,
        label = "Enemies",
        counts = { zorbix.getBrownianCount },
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Takes the red pulsar and hunts the reds, circling each while shooting
    -- it, then does the same in blue.
    function()
        local pulsar, targets = redPulsar, liveHandles(reds)
        if #targets == 0 then
            pulsar, targets = bluePulsar, liveHandles(blues)
        end
        if Pulsar.current ~= pulsar then
            return pilotSticks(pulsar.x, pulsar.y)
        end
        local h, x, y = nearestHandle(targets)
        if h == nil then
            return pilotSticks()
        end
        return pilotOrbit(x, y, 350, 30)
    end
)
