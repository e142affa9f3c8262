-- Symbiosis: two ships joined by an antimatter stream that destroys what it
-- touches; one stick steers each. Destroy every enemy of a wave to call the
-- next, bigger one; boxes, taken by either ship, score and give a life.
require "/data/entities/Player"
require "/data/entities/Boxes2Players"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

local W, H = 2000, 1400
local WAVE_STEPS = 1800
local BOX_STEPS = 1200

local kinds = {
    { count = zorbix.getSpinyCount, points = 100, make = function(x, y) zorbix.newSpiny(x, y) end },
    { count = zorbix.getSuciderCount, points = 150, make = function(x, y) zorbix.newSucider(x, y, 0, 0) end },
    { count = zorbix.getSplitterCount, points = 200, make = function(x, y) zorbix.newSplitter(x, y) end },
    { count = zorbix.getBAFCount, points = 100,
      make = function(x, y) zorbix.newBackAndForth(x, y, 90 * randomBetween(0, 3)) end },
}

local function alive()
    return countLive(kinds) + zorbix.getSplitterPartCount()
end

local function spawnWave()
    wave = wave + 1
    waveLeft = WAVE_STEPS
    for k = 1, 3 + wave do
        local kind = kinds[1 + randomBetween(0, minOf(#kinds - 1, wave / 2))]
        local x, y = getRandomCoord(120, 120, W - 120, H - 120, 600)
        kind.make(x, y)
    end
    resetKillCounts(kinds)
    createMessage("^4Wave " .. wave, 120)
end

local function step()
    scoreKills(kinds, player)
    if player.gameOver then
        return
    end
    played = played + 1
    waveLeft = waveLeft - 1
    if alive() == 0 then
        zorbix.increaseScore(400 * wave)
        spawnWave()
    elseif waveLeft <= 0 then
        spawnWave()
    end
    if played % BOX_STEPS == 0 and boxes:remaining() == 0 then
        local x, y = getRandomCoord(120, 120, W - 120, H - 120, 300)
        boxes:add(x, y)
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/infinity/symbiosis/backgroundSymbiosis.lua")
    player = Player.new(W / 2 - 150, H / 2, 3)
    player.onGameOver = function()
        zorbix.setGameIsFinished(true)
    end
    player:setAlly(W / 2 + 150, H / 2)
    boxes = Boxes2Players.new()
    boxes.onCollect = function()
        zorbix.increaseScore(500)
        player:extraLife()
    end
    wave = 0
    played = 0
    spawnWave()
    UpdateHUD.new(function()
        return "Score " .. zorbix.getScore(), "Lives " .. player.lives .. "  Wave " .. wave
    end)
    everyStep(step)
end
