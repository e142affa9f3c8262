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
require "/data/functions/pilotFunctions"

W, H = 1800, 2800
START_X, START_Y = 900, 1400
WANTED = 12
PLANNERS = { { 300, 300 }, { 1500, 2500 }, { 300, 2500 }, { 1500, 300 } }
SHELVES = { { 400, 500 }, { 400, 1300 }, { 400, 2100 }, { 1200, 500 }, { 1200, 1300 }, { 1200, 2100 } }

-- The free aisles: columns beside the shelves, rows between them.
AISLE_COLUMNS = { 220, 900, 1580 }
AISLE_ROWS = { 240, 1100, 1900, 2660 }

local function nearest(list, v)
    local best = list[1]
    for _, c in ipairs(list) do
        if math.abs(c - v) < math.abs(best - v) then
            best = c
        end
    end
    return best
end

-- A way from (x, y) to (bx, by) along the aisles: to the nearest column,
-- along it to a row, across to the column nearest the box, to the box's
-- height and in.
function aisleRoute(x, y, bx, by)
    local c, cb, row = nearest(AISLE_COLUMNS, x), nearest(AISLE_COLUMNS, bx), nearest(AISLE_ROWS, y)
    return { { c, y }, { c, row }, { cb, row }, { cb, by }, { bx, by } }
end

local pilot = {}
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
    local order = createMessage("^1Collect " .. WANTED .. " boxes in time", 300)
    -- Read wherever the ship is, at the walls too.
    order.inView = true
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
    end,
    -- Flies to each box by the aisles, shooting ahead at the planners.
    function()
        if boxes:remaining() == 0 then
            return pilotSticks()
        end
        if pilot.box ~= current then
            pilot.box = current
            pilot.route = aisleRoute(player:getX(), player:getY(), current.x, current.y)
            pilot.index = 1
        end
        local gx, gy = routePoint(pilot.route, pilot, 40)
        return pilotSticks(gx, gy, gx, gy)
    end
)
