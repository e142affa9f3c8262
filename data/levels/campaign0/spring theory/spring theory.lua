-- Spring Theory: two ropes tie the ship to anchors in the middle of the
-- hall. They are slack near the anchors and pull harder the farther the
-- ship strains; the rings stand just beyond their reach, while spinies roll
-- about. Pass every ring.
require "/data/entities/Player"
require "/data/entities/Ring"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/commonScriptFunctions"
require "/data/functions/pilotFunctions"

W, H = 2400, 2600
START_X, START_Y = 1200, 1300
PAR = 60 * 100
ANCHORS = { { 1200, 1150 }, { 1200, 1450 } }
-- Rings around the middle, 1050 away, in the order they are shown.
RINGS = {}
for _, a in ipairs({ 0, 150, 270, 60, 200, 320 }) do
    local x, y = pointAt(START_X, START_Y, a, 1050)
    RINGS[#RINGS + 1] = { x, y }
end

levelQuads = frameWallQuads(W, H, 40)
local pilot = {}

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/spring theory/backgroundSpringTheory.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    for _, a in ipairs(ANCHORS) do
        -- A rope (type 1) of strength s is slack within 100 s * s.
        zorbix.newSpring(a[1], a[2], 1, 816 - 25 * d)
    end
    rings = {}
    for k = 1, 4 + d do
        rings[k] = Ring.new(RINGS[k][1], RINGS[k][2], 110)
    end
    for k = 1, 4 + 2 * d do
        local x, y = pointAt(START_X, START_Y, 45 + 67 * k, 600 + 40 * k)
        zorbix.newSpiny(x, y, 60)
    end
    arrow = Arrow.new()
    playLevel({
        message = "^5Fly through every ring",
        messageSteps = 300,
        par = PAR,
        hud = function()
            return "^7Rings: " .. Ring.passed .. "/" .. #rings
        end,
        step = pointArrow,
        isWon = function()
            return nextRing() == nil
        end,
    })
end

function nextRing()
    for _, r in ipairs(rings) do
        if not r.isPassed then
            return r
        end
    end
    return nil
end

function pointArrow()
    local r = nextRing()
    if r ~= nil then
        arrow:setTarget(r.x, r.y)
    end
end

levelTest = newLevelTest(
    -- The ship flies through the next ring.
    function()
        local r = nextRing()
        if r ~= nil then
            zorbix.setEntityXY(playerShip, r.x, r.y)
        end
    end,
    -- Strains toward the next ring, sweeping its shots round at the
    -- spinies.
    function()
        local r = nextRing()
        if r == nil then
            return pilotSticks()
        end
        local ma, ms = pilotSticks(r.x, r.y)
        return ma, ms, sweepAngle(pilot), 100
    end
)
