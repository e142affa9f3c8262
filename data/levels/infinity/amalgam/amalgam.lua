-- Amalgam: destroy everything. Each wave brings the next enemy kinds of the
-- list, more of them each round; a wave ends when the field is clear or its
-- time is up. Every kill scores, a cleared wave scores a bonus.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

local W, H = 2400, 1600
local WAVE_STEPS = 1800

-- The enemies the level made, for its scripted player.
local enemies = {}

local kinds = {
    { count = zorbix.getSpinyCount, points = 100, make = function(x, y) return zorbix.newSpiny(x, y) end },
    { count = zorbix.getBrownianCount, points = 100, make = function(x, y) return zorbix.newBrownian(x, y, 0) end },
    { count = zorbix.getSuciderCount, points = 150, make = function(x, y) return zorbix.newSucider(x, y, 0, 0) end },
    { count = zorbix.getDodgerCount, points = 200, make = function(x, y) return zorbix.newDodger(x, y) end },
    { count = zorbix.getSnakeCount, points = 50, make = function(x, y) return zorbix.newSnake(x, y, 0, 6) end },
    { count = zorbix.getHelicopterCount, points = 250, make = function(x, y) return zorbix.newHelicopter(x, y) end },
    { count = zorbix.getPlannerCount, points = 200, make = function(x, y) return zorbix.newPlanner(x, y) end },
    { count = zorbix.getRollingCubeCount, points = 300, make = function(x, y) return zorbix.newRollingCube(x, y) end },
    { count = zorbix.getSplitterCount, points = 200, make = function(x, y) return zorbix.newSplitter(x, y) end },
    { count = zorbix.getTeleporterCount, points = 300, make = function(x, y) return zorbix.newTeleporter(x, y) end },
    { count = zorbix.getMotherShipCount, points = 500, make = function(x, y) return zorbix.newMotherShip(x, y, 60) end },
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
    waveLeft = waveLeft - 1
    if alive() == 0 then
        zorbix.increaseScore(300 * wave)
        spawnWave()
    elseif waveLeft <= 0 then
        spawnWave()
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/infinity/amalgam/backgroundAmalgam2.lua"):setZ(-300)
    newProp("/data/levels/infinity/amalgam/backgroundAmalgam.lua")
    player = Player.new(W / 2, H / 2, 3)
    player.onGameOver = function()
        zorbix.setGameIsFinished(true)
    end
    wave = 0
    spawnWave()
    UpdateHUD.new(function()
        return "Score " .. zorbix.getScore(), "Lives " .. player.lives .. "  Wave " .. wave
    end)
    everyStep(step)
end

-- A new player's way through: round the nearest enemy out of its reach and
-- shoot it, sweeping the guns round for what nobody points at.
local pilot = { lists = { enemies }, width = W, height = H, danger = 260, keep = 420, range = 1000, sweep = true }
levelTest = pilotLevelTest(pilot)
