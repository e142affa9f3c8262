-- Around The Bend: a round arena whose wall keeps everything inside the
-- circle, a disk in the middle. Goals travel around the bend; catch
-- each while dodgers rush in and circling enemies guard the rim.
require "/data/entities/Player"
require "/data/entities/CirculatingGoal"
require "/data/entities/SolidDisk"
require "/data/entities/Arrow"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
CX, CY = 1200, 1200
RADIUS = 1100
PAR = 60 * 120

function init()
    setLevelSize(W, H)
    zorbix.newCollisionInnerDisk(CX, CY, RADIUS)
    SolidDisk.new(CX, CY, 250)
    newProp("/data/levels/campaign2/around the bend/graphics around the bend.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX - 450, CY, 3)
    -- Five goals, six at the highest difficulty, where they turn faster.
    goals = {}
    for k = 1, 5 + d / 2 do
        goals[k] = CirculatingGoal.new(CX, CY, 350 + 110 * k, 1 + (k + d) % 2 + d / 2, 70 * k)
    end
    for k = 1, 2 + d do
        zorbix.newDodger(CX + 700, CY - 400 + 400 * k)
    end
    for k = 1, 2 + d do
        zorbix.newCirculatingEnemy(CX, CY, 950 * 255, 90 * k, 1)
    end
    arrow = Arrow.new()
    playLevel({
        message = "^2Catch the goals around the bend",
        par = PAR,
        hud = function()
            return "^7Goals: " .. countReached(goals) .. "/" .. #goals
        end,
        step = function()
            pointArrowAt(arrow, nextUnreached(goals))
        end,
        isWon = function()
            return nextUnreached(goals) == nil
        end,
    })
end

levelTest = newLevelTest(
    function()
        local g = nextUnreached(goals)
        if g ~= nil then
            zorbix.setEntityXY(playerShip, g.x, g.y)
        end
    end,
    -- The goals turn faster than the ship flies: it waits on the next
    -- goal's circle, where it is nearest, for the goal to come round, and
    -- sweeps its fire round to meet the dodgers.
    function()
        local g = nextUnreached(goals)
        if g == nil then
            return pilotSticks()
        end
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local gx, gy = pointAt(CX, CY, angleTo(CX, CY, x, y), g.radius)
        local tx, ty = pointAt(x, y, elapsed * 4, 400)
        return pilotSticks(gx, gy, tx, ty)
    end
)
