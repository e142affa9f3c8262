-- A small level to copy from: it shows the shape of every level script and
-- the shared entities. Loading this file only defines functions; the game
-- runs a level by calling init once and the global update (LuaEntity.lua)
-- every step.
--
-- Rules a level keeps:
-- - init sets the boundaries, builds the walls, creates the ship once (here
--   through Player.new) and the first actors. No score, heads-up text, "Ok"
--   button or quick pause there: the play screen resets them after init.
-- - Numbers are integers; randomness only from math.rand (randomBetween).
-- - The level ends with finishLevel: a positive score for a win, 0 for a loss.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"

local WIDTH, HEIGHT = 2000, 1200

-- Everything the test hooks below need is kept in globals of the level.
function init()
    zorbix.setMapBoundaries(WIDTH, HEIGHT)
    createFrameWalls(WIDTH, HEIGHT, 40)
    -- A pillar in the middle, its first side facing the ship's start.
    newBoxWall(950, 500, 100, 200, 300, 600)
    addTakenBox(930, 480, 140, 240)

    player = Player.new(300, 600, 3)
    exit = Spot.new(1700, 600, 80, 30)
    -- Enemies scale with the difficulty (0 to 2) and stay beatable at each.
    for k = 1, 3 + 2 * zorbix.getDifficultyLevel() do
        local x, y = getRandomCoord(100, 100, WIDTH - 100, HEIGHT - 100, 500)
        zorbix.newBrownian(x, y, 0)
    end
    steps = 0
    UpdateHUD.new(function()
        return "Lives " .. player.lives, "Time " .. formatSteps(steps)
    end)
    createMessage("Reach the yellow spot", 240)
    local referee = setmetatable(LuaEntity.new(LuaEntity, false, 0, 0), Referee)
    referee:setHidden(true)
end

-- The level's own step, as an entity: the global update drives it.
Referee = setmetatable({}, { __index = LuaEntity })
Referee.__index = Referee

function Referee:update()
    steps = steps + 1
    if exit.reached and not self.finished then
        self.finished = true
        finishLevel(true, 1000 + 500 * player.lives + maxOf(0, 3600 - steps))
    end
end

-- The game never reads levelTest; tests use it to win and to lose.
levelTest = {
    win = function()
        zorbix.setEntityXY(playerShip, exit.x, exit.y)
    end,
    lose = function()
        player:useUpLives()
    end,
}
