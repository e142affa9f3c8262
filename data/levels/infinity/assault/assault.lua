-- Assault: destroy as many enemies as possible. Spinies, suciders, planners
-- and teleporters come in ever faster; boxes appear now and then and give
-- points and a shield point (an extra hit the ship can take).
require "/data/entities/Boxes"
require "/data/functions/infinityFunctions"

W, H = 2000, 1400
local BOX_STEPS = 900
local MAX_ENEMIES = 40

-- The enemies the level made, for its scripted player.
local enemies = {}

local kinds = {
    enemyKind("Spiny", 100),
    enemyKind("Sucider", 150, 0, 0),
    enemyKind("Planner", 200),
    enemyKind("Teleporter", 250),
}

local function alive()
    return countLive(kinds)
end

local function step()
    scoreKills(kinds, player)
    if player.gameOver then
        return
    end
    played = played + 1
    -- One enemy every spawnEvery steps, from 120 down to 30.
    local spawnEvery = maxOf(30, 120 - played / 150)
    if played % spawnEvery == 0 and alive() < MAX_ENEMIES then
        local kind = kinds[1 + randomBetween(0, minOf(3, played / 1800))]
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 500)
        keepHandle(enemies, kind.make(x, y))
        kind.last = kind.count()
    end
    if played % BOX_STEPS == 0 and boxes:remaining() < 2 then
        local x, y = getRandomCoord(120, 120, W - 120, H - 120, 300)
        boxes:add(x, y)
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives)
    return "Shield " .. lives
end)

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/assault/background2b.lua", z = -300 },
            { "/data/levels/infinity/assault/background2.lua" },
        },
        setup = function()
            boxes = Boxes.new()
            boxes.onCollect = function()
                zorbix.increaseScore(300)
                player:addLives(1)
                createFloatingMessage("+1 shield", player:getX(), player:getY() + 40, 80, 200, 255)
            end
            played = 0
            resetKillCounts(kinds)
        end,
        hud = function()
            return hudLine(player.lives)
        end,
        step = step,
        threats = { enemies },
    })
end

-- A new player's way through: round the nearest enemy out of its reach and
-- shoot it; fetch a box when none is close.
local pilot = { lists = { enemies }, width = W, height = H, danger = 240, keep = 380, range = 900, sweep = true,
    goal = function()
        local box = boxes.boxes[1]
        local x, y = player:getX(), player:getY()
        if box ~= nil and distance(x, y, box.x, box.y) < 700 then
            return box.x, box.y
        end
    end }
levelTest = pilotLevelTest(pilot)
