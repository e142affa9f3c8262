-- Working Together: the ship flies with an ally, the two linked; both sticks
-- steer. Either ship collects the boxes scattered over the field while
-- helicopters hover around them. Collect every box.
require "/data/entities/Player"
require "/data/entities/Boxes2Players"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/pilotFunctions"

W, H = 2200, 2600
START_X, START_Y = 1100, 1100
PAR = 60 * 120
BOXES = { { 300, 300 }, { 1900, 300 }, { 300, 2300 }, { 1900, 2300 }, { 1100, 2300 }, { 1100, 300 },
    { 300, 1300 }, { 1900, 1300 }, { 700, 1800 }, { 1500, 800 } }
levelQuads = frameWallQuads(W, H, 40)

-- The view sits between the two ships: the opening text is held over that
-- point, not over the ship, so that it stays on the screen.
local function overTheLink(message)
    local place = message.place
    message.place = function(self)
        if player.ally ~= nil then
            self.centreX = (player:getX() + zorbix.getEntityX(player.ally)) / 2 + 110
            self.centreY = (player:getY() + zorbix.getEntityY(player.ally)) / 2
        end
        place(self)
    end
    message.followsShip = false
end
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
    overTheLink(createMessage("^5Two sticks: get the boxes", 300, START_X + 110, START_Y + 125))
    -- The helicopters are heard before they are seen.
    zorbix.playSound("/data/sounds/copter.caf")
    playLevel({
        par = PAR,
        hud = function()
            return "^7Boxes: " .. boxes.collected .. "/" .. wanted
        end,
        isWon = function()
            return boxes:remaining() == 0
        end,
    })
end

-- The box nearest to (x, y), or nil.
local function nearestBox(x, y)
    local best, bestD = nil, 0
    for _, b in ipairs(boxes.boxes) do
        local d = sqrDistance(x, y, b.x, b.y)
        if best == nil or d < bestD then
            best, bestD = b, d
        end
    end
    return best
end

levelTest = newLevelTest(
    -- The ship flies onto the next box.
    function()
        local b = boxes.boxes[1]
        if b ~= nil then
            zorbix.setEntityXY(playerShip, b.x, b.y)
        end
    end,
    -- The ship and the ally (the shoot stick) fly to the box nearest to
    -- the ship, which takes whichever reaches it first; the link between
    -- them sweeps the helicopters away.
    function()
        local sx, sy = player:getX(), player:getY()
        local b = nearestBox(sx, sy)
        if b == nil then
            return pilotSticks()
        end
        local ax, ay = zorbix.getEntityX(player.ally), zorbix.getEntityY(player.ally)
        local moveAngle, moveStrength = pilotSticks(b.x, b.y)
        return moveAngle, moveStrength, angleTo(ax, ay, b.x, b.y), clamp(distance(ax, ay, b.x, b.y) * 20, 0, 100)
    end
)
