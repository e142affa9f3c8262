-- Chromatic Conflict: red, green and blue Brownians drift toward the ship;
-- only shots of their own colour destroy them (others knock them away). Fly
-- over a pulsar to take its colour. More come as the score grows.
require "/data/entities/Pulsar"
require "/data/functions/infinityFunctions"

W, H = 2000, 1400
local KILL_POINTS = 20
-- One more Brownian wanted for every this many points.
local POINTS_PER_ENEMY = 200

-- The Brownians the level made, by colour (0 red, 1 green, 2 blue), for its
-- scripted player.
local byColour = { {}, {}, {} }

local function spawn()
    local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
    local colour = randomBetween(0, 2)
    keepHandle(byColour[1 + colour], zorbix.newBrownian(x, y, colour))
    lastCount = zorbix.getBrownianCount()
end

local function step()
    local now = zorbix.getBrownianCount()
    if now < lastCount then
        zorbix.increaseScore((lastCount - now) * KILL_POINTS)
    end
    lastCount = now
    if player.gameOver then
        return
    end
    played = played + 1
    local wanted = minOf(6 + zorbix.getScore() / POINTS_PER_ENEMY + played / 3600, 30)
    if played % 20 == 0 and now < wanted then
        spawn()
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives)
    return "Lives " .. lives
end)

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/chromatic conflict/background1.lua" },
            { "/data/levels/infinity/chromatic conflict/triforce.lua", x = W / 2, y = H / 2 },
            { "/data/levels/infinity/chromatic conflict/verticalTriforce.lua", x = W / 2, y = 200 },
            { "/data/levels/infinity/chromatic conflict/verticalTriforce.lua", x = W / 2, y = H - 200 },
        },
        setup = function()
            pulsars = {
                Pulsar.new(300, H / 2, 255, 30, 30, 0),
                Pulsar.new(W - 300, 300, 30, 255, 60, 1),
                Pulsar.new(W - 300, H - 300, 40, 100, 255, 2),
            }
            -- The ship starts red, as its shots are.
            player:setShipColor(255, 30, 30)
            zorbix.setPlayerShootType(0)
            played = 0
            lastCount = 0
            for k = 1, 6 do
                spawn()
            end
        end,
        hud = function()
            return hudLine(player.lives)
        end,
        step = step,
        threats = byColour,
    })
end

-- A new player's way through: keep off every Brownian, shoot the nearest
-- of the ship's colour, and fetch the pulsar of the colour most of them
-- have when the ship's is outnumbered.
local pilot = { width = W, height = H, danger = 230, keep = 380, range = 1000, sweep = false }
levelTest = {
    pilot = function()
        local shipColour = 0
        if Pulsar.current ~= nil then
            shipColour = Pulsar.current.bulletType
        end
        for _, list in ipairs(byColour) do
            dropGoneHandles(list)
        end
        local most = shipColour
        for c = 0, 2 do
            if #byColour[1 + c] > #byColour[1 + most] + 2 then
                most = c
            end
        end
        pilot.lists = { byColour[1 + shipColour], byColour[1 + (shipColour + 1) % 3], byColour[1 + (shipColour + 2) % 3] }
        pilot.own = {}
        for _, h in ipairs(byColour[1 + shipColour]) do
            pilot.own[h] = true
        end
        -- Another colour's shot only knocks back: for the close ones.
        pilot.shootable = function(p)
            return p.d < 250 or pilot.own[p.h] == true
        end
        pilot.goal = nil
        if most ~= shipColour then
            local p = pulsars[1 + most]
            pilot.goal = function()
                return p.x, p.y
            end
        end
        return pilotAmong(pilot)
    end,
}
