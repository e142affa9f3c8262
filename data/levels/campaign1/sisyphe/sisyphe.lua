-- Back And Forth: waves of back-and-forth enemies bounce around a billiard
-- hall; from the third wave on, multicolour ones that need a shot of each of
-- their colours (the pulsars give them). Clear every wave.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/entities/Pulsar"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 1800, 3000
START_X, START_Y = 900, 1500
PAR = 60 * 150
-- Bumpers: four octagons.
levelQuads = frameWallQuads(W, H, 40)
BUMPERS = { { 500, 800 }, { 1300, 800 }, { 500, 2200 }, { 1300, 2200 } }
for _, b in ipairs(BUMPERS) do
    local outline = {}
    for k = 0, 7 do
        local x, y = pointAt(b[1], b[2], 45 * k + 22, 90)
        outline[#outline + 1] = x
        outline[#outline + 1] = y
    end
    appendQuads(levelQuads, obstacleQuads(outline, 50))
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/sisyphe/graphics sisyphe.lua")
    for _, b in ipairs(BUMPERS) do
        addTakenDisk(b[1], b[2], 160)
    end
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    pulsars = {
        Pulsar.new(900, 300, 255, 30, 30, 0),
        Pulsar.new(300, 1500, 10, 255, 40, 1),
        Pulsar.new(900, 2700, 20, 80, 255, 2),
    }
    enemies = {}
    pointToNearest(function()
        return enemies
    end)
    playWaveLevel({
        message = "^3Clear the hall, wave after wave",
        par = PAR,
        waves = 4 + difficulty,
        nextWave = nextWave,
        count = zorbix.getBAFCount,
    })
end

function nextWave(wave)
    enemies = {}
    for k = 1, 3 + wave + difficulty do
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        local angle = randomBetween(0, 359)
        local flags = enemyColours(wave, k)
        if flags ~= nil then
            enemies[#enemies + 1] = zorbix.newMultiColorBackAndForth(x, y, angle, flags[1], flags[2], flags[3])
        else
            -- Kinds 0 to 2: kind 3 cannot be shot down, and would hold
            -- the wave forever.
            enemies[#enemies + 1] = zorbix.newBackAndForth(x, y, angle, randomBetween(0, 2))
        end
    end
end

-- The colour flags (red, green, blue) of the k-th enemy of a wave; nil
-- for a single-colour enemy, which any shot harms.
function enemyColours(wave, k)
    if wave >= 3 and k % 2 == 0 then
        return { k % 4 == 0, true, wave >= 4 }
    end
    return nil
end

-- The pilot's shooting so far: per enemy, the steps it spent shooting it
-- from near enough, by colour.
local pilotShots = {}

-- Steps of close shooting that surely clear one colour of an enemy.
local CLEAR_STEPS = 80


levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest enemy its colour harms, shooting it, and flees
    -- one that comes too near. A multicolour enemy needs a shot of each of
    -- its colours: once every enemy the colour harms has been shot at long
    -- enough, the pilot fetches the next colour some enemy still needs.
    function()
        local colour = 1
        for k, p in ipairs(pulsars) do
            if Pulsar.current == p then
                colour = k
            end
        end
        local function needs(k, c)
            local flags = enemyColours(wave, k)
            if flags == nil then
                return c == colour
            end
            local shots = pilotShots[enemies[k]]
            return flags[c] and (shots == nil or shots[c] < CLEAR_STEPS)
        end
        local live = {}
        for _, e in ipairs(liveHandles(enemies)) do
            live[e] = true
        end
        local targets, wanted, left = {}, nil, false
        for k, e in ipairs(enemies) do
            if live[e] then
                left = true
                if needs(k, colour) then
                    targets[#targets + 1] = e
                end
                for c = 1, 3 do
                    if wanted == nil and needs(k, c) then
                        wanted = c
                    end
                end
            end
        end
        if not left then
            return pilotSweep(START_X, START_Y)
        end
        if wanted == nil then
            -- Shots went astray: shoot every colour again.
            pilotShots = {}
            wanted = colour
        end
        local e, x, y = nearestHandle(targets)
        if e == nil then
            local p = pulsars[wanted]
            return pilotSticks(p.x, p.y)
        end
        local ax, ay = pilotLead(e, x, y)
        local d = zorbix.getEntitySqrDistanceFromPlayer(e)
        if d < 450 * 450 then
            pilotShots[e] = pilotShots[e] or { 0, 0, 0 }
            pilotShots[e][colour] = pilotShots[e][colour] + 1
        end
        local n, nx, ny = nearestHandle(liveHandles(enemies))
        if zorbix.getEntitySqrDistanceFromPlayer(n) < 300 * 300 then
            return pilotFlee(nx, ny, ax, ay)
        end
        return pilotCircle(x, y, 350, 35, ax, ay)
    end
)
