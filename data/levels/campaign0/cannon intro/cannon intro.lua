-- Cannon Intro: the first level. Cannons guard a hall with a few pillars;
-- the ship destroys them all. More cannons, tougher and quicker to fire at
-- the higher difficulties.
require "/data/entities/Player"
require "/data/entities/Cannon"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 1400
START_X, START_Y = 300, 700
-- Steps under which the time bonus counts.
PAR = 60 * 90

-- The walls, kept as quads so that the background draws the same ones.
levelQuads = frameWallQuads(W, H, 40)
for _, b in ipairs({ { 700, 300, 120, 260 }, { 700, 840, 120, 260 }, { 1500, 560, 260, 120 } }) do
    appendQuads(levelQuads, boxObstacleQuads(b[1], b[2], b[3], b[4]))
end

-- Cannon places, the first three at every difficulty. The first level is
-- a short lesson on purpose (about ten seconds at the lowest difficulty):
-- aim while moving, follow the arrow, keep out of the aimed shots.
CANNONS = { { 1150, 700 }, { 2000, 300 }, { 2000, 1100 }, { 1150, 200 }, { 1150, 1200 } }
-- A cannon fires only at a ship this near: on a small screen it may still
-- be out of the picture, so the arrow shows it whenever it is farther than
-- ARROW_HIDE, which is in sight on every screen.
CANNON_RANGE = 400
ARROW_HIDE = 100
-- Every other cannon fires only from this near, where it is in the picture
-- (which shows 175 units on either side of the ship across the screen, and
-- more along it) with room for the ship's move in a step.
IN_SIGHT = 150

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/cannon intro/cannonIntroBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    cannons = {}
    for k = 1, 3 + d do
        local c = CANNONS[k]
        cannons[k] = Cannon.new(c[1], c[2], 8 + 2 * d, 100 - 15 * d, (3 + d) * 255)
        cannons[k].range = IN_SIGHT
    end
    -- In the cannons' orange, apart from the cyan ship.
    arrow = Arrow.new(255, 160, 40)
    arrow.hideWithin = ARROW_HIDE
    playLevel({
        message = "^3Destroy the cannons",
        par = PAR,
        hud = function()
            return "^7Cannons: " .. Cannon.alive
        end,
        step = pointArrow,
        isWon = function()
            return Cannon.alive == 0
        end,
    })
end

-- The nearest live cannon, for the arrow.
local function nearestCannon()
    return nearestLiveEntity(cannons)
end

-- The arrow points at the nearest cannon, which alone fires from beyond the
-- picture. The ranges set here apply at the cannons' next turn, and the
-- arrow turns to this target in that same step.
function pointArrow()
    local c = nearestCannon()
    if c ~= nil then
        arrow:setTarget(c.x, c.y)
    else
        arrow:clearTarget()
    end
    for _, k in ipairs(cannons) do
        if k == c then
            k.range = CANNON_RANGE
        else
            k.range = IN_SIGHT
        end
    end
end

levelTest = newLevelTest(
    -- Every live cannon takes the hits that destroy it.
    function()
        for _, c in ipairs(cannons) do
            if not c.mustBeDestroyed then
                zorbix.setHardDiskHitCount(c.disk, c.strength)
            end
        end
    end,
    -- Circles the nearest cannon 300 units off, in its range, shooting it:
    -- the turn keeps the ship out of the aimed shots.
    function()
        local c = nearestCannon()
        if c == nil then
            return pilotSticks()
        end
        return pilotOrbit(c.x, c.y, 300, 30)
    end
)
