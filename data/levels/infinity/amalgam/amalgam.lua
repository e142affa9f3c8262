-- Amalgam: destroy everything. Each wave brings the next enemy kinds of the
-- list, more of them each round; a wave ends when the field is clear or its
-- time is up. Every kill scores, and so does a wave cleared or lived through.
require "/data/functions/infinityFunctions"

W, H = 2400, 1600
local WAVE_STEPS = 1800
-- A cleared wave of n scores n times this; one lived through to its end
-- half as much.
local WAVE_POINTS = 1000

-- The enemies the level made, for its scripted player.
local enemies = {}

local kinds = {
    enemyKind("Spiny", 100),
    enemyKind("Brownian", 100, 0),
    enemyKind("Sucider", 150, 0, 0),
    enemyKind("Dodger", 200),
    enemyKind("Snake", 50, 0, 6),
    enemyKind("Helicopter", 250),
    enemyKind("Planner", 200),
    enemyKind("RollingCube", 300),
    enemyKind("Splitter", 200),
    enemyKind("Teleporter", 300),
    enemyKind("MotherShip", 500, 60),
}

local function alive()
    return countLive(kinds) + zorbix.getSplitterPartCount()
end

local function spawnWave()
    wave = wave + 1
    waveLeft = WAVE_STEPS
    local round = (wave - 1) / #kinds
    -- This wave's kind and the one before it.
    for j = 0, 1 do
        local kind = kinds[1 + (wave - 1 - j) % #kinds]
        if wave - j >= 1 then
            for k = 1, 2 + round + (1 - j) * (wave / 4) do
                local x, y = getRandomCoord(120, 120, W - 120, H - 120, 700)
                keepHandle(enemies, kind.make(x, y))
            end
        end
    end
    resetKillCounts(kinds)
    createMessage("^5Wave " .. wave, 120)
end

local function step()
    scoreKills(kinds, player)
    if player.gameOver then
        return
    end
    if waveLeft == 1 and player:isAlive() and alive() > 0 then
        zorbix.increaseScore(WAVE_POINTS * wave / 2)
    end
    stepWaves(alive, WAVE_POINTS, spawnWave)
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives, wave)
    return "Lives " .. lives .. "  Wave " .. wave
end)

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/amalgam/backgroundAmalgam2.lua", z = -300 },
            { "/data/levels/infinity/amalgam/backgroundAmalgam.lua" },
        },
        setup = function()
            wave = 0
            spawnWave()
        end,
        hud = function()
            return hudLine(player.lives, wave)
        end,
        step = step,
        threats = { enemies },
    })
end

-- A new player's way through: round the nearest enemy out of its reach and
-- shoot it, sweeping the guns round for what nobody points at.
local pilot = { lists = { enemies }, width = W, height = H, danger = 260, keep = 420, range = 1000, sweep = true }
levelTest = pilotLevelTest(pilot)
