-- Working Together: the ship flies with an ally, the two linked; both sticks
-- steer. Either ship collects the boxes scattered over the field while
-- helicopters hover around them. Collect every box.
require "/data/entities/Player"
require "/data/entities/Boxes2Players"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

W, H = 2200, 2600
START_X, START_Y = 1100, 1100
PAR = 60 * 120
BOXES = { { 300, 300 }, { 1900, 300 }, { 300, 2300 }, { 1900, 2300 }, { 1100, 2300 }, { 1100, 300 },
    { 300, 1300 }, { 1900, 1300 }, { 700, 1800 }, { 1500, 800 } }
levelQuads = frameWallQuads(W, H, 40)
appendQuads(levelQuads, boxObstacleQuads(1000, 1500, 200, 200))

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/working together/graphics working together.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    player:setAlly(START_X, START_Y + 250)
    player:setShipColor(0, 204, 255)
    boxes = Boxes2Players.new()
    for k = 1, 8 + d do
        boxes:add(BOXES[k][1], BOXES[k][2])
    end
    wanted = boxes:remaining()
    for k = 1, 2 + d do
        zorbix.newHelicopter(300 + 700 * k, 600 + 600 * (k % 2))
    end
    elapsed = 0
    won = false
    createMessage("^5Two ships, two sticks: collect the boxes", 300)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Boxes: " .. boxes.collected .. "/" .. wanted
    end)
    everyStep(step)
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    if boxes:remaining() == 0 and player:isAlive() then
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    -- The ship flies onto the next box.
    win = function()
        local b = boxes.boxes[1]
        if b ~= nil then
            zorbix.setEntityXY(playerShip, b.x, b.y)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
