-- Asteroids: clear fields of rocks that split when hit, while timed enemy
-- waves (events.lua) come in. The field wraps round at its edges. Each rock
-- destroyed scores; a cleared field scores more the faster it went, and the
-- next field has one more rock.
require "/data/functions/infinityFunctions"
require "/data/levels/infinity/asteroids/events"

W, H = 2400, 1600
-- A field cleared within PAR steps earns up to 6000 points.
PAR = 3600
local ROCK_POINTS = 100

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
        zorbix.increaseScore(1000 + maxOf(0, PAR - fieldSteps) * 5 / 3)
        newField()
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives, field)
    return "Lives " .. lives .. "  Field " .. field
end)

function init()
    startInfinityLevel({
        wraps = true,
        scenery = {
            { "/data/levels/infinity/asteroids/graphics asteroids.lua", z = -300 },
            { "/data/levels/infinity/asteroids/graphics asteroids.lua", frame = 1 },
        },
        setup = function()
            field = 0
            lastDestroyed = zorbix.getAsteroidDestroyedCount()
            Events.reset()
            newField()
        end,
        hud = function()
            return hudLine(player.lives, field)
        end,
        step = step,
        threats = { Events.enemies, rocks },
    })
end

-- A new player's way through: keep off rocks and enemies, shoot the nearest,
-- sweep the guns round for the pieces nobody points at.
local pilot = { lists = { Events.enemies, rocks }, width = W, height = H, danger = 260, keep = 450, range = 1100,
    sweep = true, margin = 0 }
levelTest = pilotLevelTest(pilot)
