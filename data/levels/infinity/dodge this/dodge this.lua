-- Dodge this: collect red boxes, one at a time, that an arrow points to,
-- while green Brownians drift toward the ship. The ship cannot shoot. A box
-- taken quickly scores more; every fifth box brings one more enemy, and so
-- does every half minute.
require "/data/entities/Boxes"
require "/data/entities/Arrow"
require "/data/functions/infinityFunctions"

W, H = 2400, 1600
local GREEN = 1
-- Steps within which a box still earns its time bonus.
local BONUS_STEPS = 600
local EXTRA_ENEMY_STEPS = 1800

-- The enemies the level made, for its scripted player.
local enemies = {}

local function addEnemy()
    local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
    keepHandle(enemies, zorbix.newBrownian(x, y, GREEN))
end

local function placeBox()
    local x, y = getRandomCoord(120, 120, W - 120, H - 120, 500)
    arrow:setTarget(x, y)
    boxes:add(x, y)
    boxAge = 0
end

local function step()
    if player.gameOver then
        return
    end
    boxAge = boxAge + 1
    played = played + 1
    if played % EXTRA_ENEMY_STEPS == 0 then
        addEnemy()
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives, boxes)
    return "Lives " .. lives .. "  Boxes " .. boxes
end)

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/dodge this/background0b.lua", z = -300 },
            { "/data/levels/infinity/dodge this/background0.lua" },
        },
        setup = function()
            player:setCanShoot(false)
            boxes = Boxes.new()
            arrow = Arrow.new(255, 60, 60)
            boxes.onCollect = function(b)
                zorbix.increaseScore(100 + maxOf(0, BONUS_STEPS - boxAge) / 6)
                if b.collected % 5 == 0 then
                    addEnemy()
                end
                placeBox()
            end
            boxAge = 0
            played = 0
            for k = 1, 4 do
                addEnemy()
            end
            placeBox()
        end,
        hud = function()
            return hudLine(player.lives, boxes.collected)
        end,
        step = step,
        message = "^2Collect the red boxes",
    })
end

-- A new player's way through: head for the box while keeping off the
-- Brownians.
local pilot = { lists = { enemies }, width = W, height = H, danger = 280, keep = 400, range = 0, canShoot = false,
    goal = function()
        local box = boxes.boxes[1]
        if box ~= nil then
            return box.x, box.y
        end
    end }
levelTest = pilotLevelTest(pilot)
