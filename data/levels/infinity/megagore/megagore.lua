-- Pandemonium: survive waves of snakes (only their heads can be shot) and
-- suciders (they aim, then dash and burst), with spinies from the third
-- wave. A wave ends when it is wiped out or after its time; each wave is
-- bigger. Kills and cleared waves score; every 10,000 points give a life.
require "/data/functions/infinityFunctions"

W, H = 2400, 1600
local WAVE_STEPS = 1500
local LIFE_EVERY = 10000

-- The enemies the level made, for its scripted player.
local enemies = {}

-- Points for each kind, by the fall of its live count (the body of a snake
-- counts element by element).
local kinds = {
    { count = zorbix.getSuciderCount, points = 200 },
    { count = zorbix.getSnakeCount, points = 80 },
    { count = zorbix.getSpinyCount, points = 300 },
}

local function enemiesLeft()
    return countLive(kinds)
end

local function spawnWave()
    wave = wave + 1
    waveLeft = WAVE_STEPS
    for k = 1, 1 + wave / 3 do
        local x, y = getRandomCoord(150, 150, W - 150, H - 150, 700)
        keepHandle(enemies, zorbix.newSnake(x, y, randomBetween(0, 359), 5 + wave))
    end
    for k = 1, 2 + wave do
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        local size = 0
        if k % 4 == 0 then
            size = 1
        end
        keepHandle(enemies, zorbix.newSucider(x, y, randomBetween(0, 359) * 255 / 57, size))
    end
    if wave >= 3 then
        for k = 1, wave / 2 do
            local x, y = getRandomCoord(100, 100, W - 100, H - 100, 700)
            keepHandle(enemies, zorbix.newSpiny(x, y))
        end
    end
    resetKillCounts(kinds)
    createMessage("^1Wave " .. wave, 120)
end

local function step()
    scoreKills(kinds, player)
    if player.gameOver then
        return
    end
    stepWaves(enemiesLeft, 1000, spawnWave)
    while zorbix.getScore() >= nextLifeAt do
        nextLifeAt = nextLifeAt + LIFE_EVERY
        player:extraLife()
    end
end

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/megagore/background4b.lua", z = -300 },
            { "/data/levels/infinity/megagore/background4.lua" },
        },
        setup = function()
            wave = 0
            nextLifeAt = LIFE_EVERY
            spawnWave()
        end,
        hud = function()
            return "Lives " .. player.lives .. "  Wave " .. wave
        end,
        step = step,
    })
end

-- A new player's way through: round the nearest enemy out of its reach and
-- shoot it (a snake's head is its handle).
local pilot = { lists = { enemies }, width = W, height = H, danger = 260, keep = 420, range = 1000, sweep = true }
levelTest = pilotLevelTest(pilot)
