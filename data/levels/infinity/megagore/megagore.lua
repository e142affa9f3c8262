-- Pandemonium: survive waves of snakes (only their heads can be shot) and
-- suciders (they aim, then dash and burst), with spinies from the third
-- wave. A wave ends when it is wiped out or after its time; each wave is
-- bigger. Kills score, and so does each wave cleared or lived through;
-- every 10,000 points give a life.
require "/data/functions/infinityFunctions"

W, H = 2400, 1600
local WAVE_STEPS = 1500
-- A wave of n brings 2 + n suciders, every fourth of them a medium one
-- (shot, it sheds small ones).
local SUCIDERS = 2
local MEDIUM_EVERY = 4
local SUCIDER_POINTS = 400
-- A snake scores element by element.
local SNAKE_POINTS = 160
local SPINY_POINTS = 600
-- A cleared wave of n scores n times this; one lived through to its end
-- half as much.
local WAVE_POINTS = 2000
local LIFE_EVERY = 10000

-- The enemies the level made, for its scripted player, and the medium
-- suciders among them.
local enemies = {}
local mediums = {}

-- Points for each kind, by the fall of its live count.
local kinds = {
    { count = zorbix.getSuciderCount, points = SUCIDER_POINTS },
    { count = zorbix.getSnakeCount, points = SNAKE_POINTS },
    { count = zorbix.getSpinyCount, points = SPINY_POINTS },
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
    for k = 1, SUCIDERS + wave do
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        local size = 0
        if k % MEDIUM_EVERY == 0 then
            size = 1
        end
        local h = zorbix.newSucider(x, y, randomBetween(0, 359) * 255 / 57, size)
        keepHandle(enemies, h)
        if size == 1 then
            mediums[h] = true
        end
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
    if waveLeft == 1 and player:isAlive() and enemiesLeft() > 0 then
        zorbix.increaseScore(WAVE_POINTS * wave / 2)
    end
    stepWaves(enemiesLeft, WAVE_POINTS, spawnWave)
    while zorbix.getScore() >= nextLifeAt do
        nextLifeAt = nextLifeAt + LIFE_EVERY
        player:extraLife()
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives, wave)
    return "Lives " .. lives .. "  Wave " .. wave
end)

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
            return hudLine(player.lives, wave)
        end,
        step = step,
        threats = { enemies },
    })
end

-- A new player's way through: round the nearest enemy out of its reach and
-- shoot it (a snake's head is its handle), but leave the medium suciders
-- whole; with no enemy known (the heads that take over a shot snake and
-- the small suciders are not among them) keep circling the middle.
local pilot = { lists = { enemies }, width = W, height = H, danger = 260, keep = 420, range = 1000, sweep = true,
    shootable = function(p) return not mediums[p.h] end,
    goal = function()
        if #enemies == 0 then
            return orbitGoal(W / 2, H / 2, 500, 30)
        end
    end }
levelTest = pilotLevelTest(pilot)
