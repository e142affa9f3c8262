-- Asteroids: clear fields of rocks that split when hit, while timed enemy
-- waves (events.lua) come in. The field wraps round at its edges. Each rock
-- destroyed scores; a cleared field scores more the faster it went, and the
-- next field has one more rock.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/infinity/asteroids/events"
require "/data/functions/pilotFunctions"

local W, H = 2400, 1600
local EDGE = 40
local ROCK_POINTS = 50
-- A field cleared within PAR_STEPS steps earns up to 6000 points.
local PAR_STEPS = 3600

-- The rocks the level made, for its scripted player (the pieces of a
-- split rock are not among them).
local rocks = {}

local function newField()
    field = field + 1
    fieldSteps = 0
    for k = 1, 2 + field do
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        keepHandle(rocks, zorbix.newAsteroid(x, y))
    end
    createMessage("^3Field " .. field, 120)
end

local function step()
    local destroyed = zorbix.getAsteroidDestroyedCount()
    if destroyed > lastDestroyed then
        zorbix.increaseScore((destroyed - lastDestroyed) * ROCK_POINTS)
        lastDestroyed = destroyed
    end
    if player.gameOver then
        return
    end
    fieldSteps = fieldSteps + 1
    Events.step(W, H)
    if zorbix.getAsteroidCount() == 0 then
        zorbix.increaseScore(1000 + maxOf(0, PAR_STEPS - fieldSteps) * 5 / 3)
        newField()
    end
end

function init()
    setLevelSize(W, H)
    zorbix.newTeleportingZone(EDGE, W - EDGE, EDGE, H - EDGE)
    local sky = newProp("/data/levels/infinity/asteroids/graphics asteroids.lua")
    sky:setZ(-300)
    local edge = newProp("/data/levels/infinity/asteroids/graphics asteroids.lua")
    edge:setFrame(1)
    player = Player.new(W / 2, H / 2, 3)
    player.onGameOver = function()
        zorbix.setGameIsFinished(true)
    end
    field = 0
    lastDestroyed = zorbix.getAsteroidDestroyedCount()
    Events.reset()
    newField()
    UpdateHUD.new(function()
        return "Score " .. zorbix.getScore(), "Lives " .. player.lives .. "  Field " .. field
    end)
    everyStep(step)
end

-- A new player's way through: keep off rocks and enemies, shoot the nearest,
-- sweep the guns round for the pieces nobody points at.
local pilot = { lists = { Events.enemies, rocks }, width = W, height = H, danger = 260, keep = 450, range = 1100,
    sweep = true, margin = 0 }
levelTest = pilotLevelTest(pilot)
