-- Epilogue: the ultimate ship, in calm space. Rings float among a few slow
-- rocks; fly through them all and shoot the last target to close the story.
-- A deliberate interlude after the final boss: short and calm, a lap of
-- honour. The difficulty adds rings and hardens the target.
require "/data/entities/Player"
require "/data/entities/Ring"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 3200
PAR = 60 * 120
-- The ultimate ship model.
ULTIMATE_SHIP = 10
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/epilogue/epilogueGraphics.lua")
    player = Player.new(1200, 300, 5)
    zorbix.setPlayerShip(ULTIMATE_SHIP)
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2)
    rings = {}
    local n = 6 + 2 * d
    for k = 1, n do
        local x = 1200 + scaleBy256(600, math.sin(360 * k / n))
        rings[k] = Ring.new(x, 300 + 2400 * k / n, 120)
    end
    target = zorbix.newTutorialTarget(1200, 2900)
    targetHits = 20 + 20 * d
    arrow = Arrow.new()
    playLevel({
        message = "^7Thank you for flying",
        messageSteps = 300,
        par = PAR,
        hud = function()
            -- One line: the rings, then the target's hits left.
            if nextRing() ~= nil then
                return "^7Rings: " .. Ring.passed .. "/" .. #rings
            end
            return "^7Target: " .. maxOf(0, targetHits - zorbix.getEntityNumberOfHits(target))
        end,
        step = function()
            local r = nextRing()
            if r ~= nil then
                arrow:setTarget(r.x, r.y)
            else
                arrow:setTargetEntity(target)
            end
        end,
        isWon = function()
            if nextRing() ~= nil or zorbix.getEntityNumberOfHits(target) < targetHits or not player:isAlive() then
                return false
            end
            zorbix.newExplosion(zorbix.getEntityX(target), zorbix.getEntityY(target), 255, 255, 255, 120)
            return true
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

levelTest = newLevelTest(
    -- Through the next ring; at the end the ship's shots at the target.
    function()
        local r = nextRing()
        if r ~= nil then
            zorbix.setEntityXY(playerShip, r.x, r.y)
        else
            local x, y = zorbix.getEntityX(target), zorbix.getEntityY(target)
            for k = 1, 4 do
                zorbix.newPlayerBullet(x - 100, y, 0, 10 * 255, 0)
            end
        end
    end,
    -- Through the rings in turn, then holds 500 units before the target,
    -- shooting it.
    function()
        local r = nextRing()
        if r ~= nil then
            return pilotSticks(r.x, r.y)
        end
        local x, y = zorbix.getEntityX(target), zorbix.getEntityY(target)
        return pilotSticks(x, y - 500, x, y)
    end
)
