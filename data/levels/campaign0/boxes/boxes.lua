-- Boxes: a box appears somewhere in the warehouse, the arrow points to it;
-- collect enough of them before the clock runs out, past the planners that
-- walk the aisles. Fewer seconds at the higher difficulties.
require "/data/entities/Player"
require "/data/entities/Boxes"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

W, H = 1800, 2800
START_X, START_Y = 900, 1400
WANTED = 12
PLANNERS = { { 300, 300 }, { 1500, 2500 }, { 300, 2500 }, { 1500, 300 } }
SHELVES = { { 400, 500 }, { 400, 1300 }, { 400, 2100 }, { 1200, 500 }, { 1200, 1300 }, { 1200, 2100 } }

levelQuads = frameWallQuads(W, H, 40)
for _, s in ipairs(SHELVES) do
    appendQuads(levelQuads, boxObstacleQuads(s[1], s[2], 200, 400))
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/boxes/boxesBack.lua")
    for _, s in ipairs(SHELVES) do
        addTakenBox(s[1] - 60, s[2] - 60, 320, 520)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    boxes = Boxes.new()
    arrow = Arrow.new(255, 80, 80)
    timeLeft = 60 * (100 - 15 * d)
    for k = 1, 2 + d do
        local p = PLANNERS[k]
        zorbix.newPlanner(p[1], p[2])
    end
    boxes.onCollect = function()
        timeLeft = timeLeft + 60 * 3
        placeBox()
    end
    placeBox()
    won = false
    createMessage("^1Collect " .. WANTED .. " boxes in time", 300)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives .. "  Time: " .. formatSteps(timeLeft),
            "^7Boxes: " .. boxes.collected .. "/" .. WANTED
    end)
    everyStep(step)
end

function placeBox()
    if boxes.collected < WANTED then
        local x, y = getRandomCoord(100, 100, W - 100, H - 100, 600)
        current = boxes:add(x, y)
        arrow:setTarget(x, y)
    else
        arrow:clearTarget()
    end
end

function step()
    if won or player.gameOver then
        return
    end
    timeLeft = timeLeft - 1
    if boxes.collected >= WANTED and player:isAlive() then
        won = true
        finishLevel(true, 1000 + 500 * player.lives + timeLeft / 6)
    elseif timeLeft <= 0 then
        player:endGame()
    end
end

levelTest = newLevelTest(
    -- The ship flies to the box the arrow shows.
    function()
        if boxes:remaining() > 0 then
            zorbix.setEntityXY(playerShip, current.x, current.y)
        end
    end
)
