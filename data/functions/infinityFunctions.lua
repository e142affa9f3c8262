-- The frame the eight infinity levels share: the field of the global size
-- W x H with its edge and scenery, the ship with its three lives (the game
-- ends when they are gone), the heads-up score line and the level's step
-- entity. The helpers an infinity level builds on (level helpers, messages,
-- random places, the pilots' steering) are loaded with it.
require "/data/entities/Arrow"
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

-- Thickness of the walls round the field, and of the margin a wrapping
-- field's edge keeps.
local EDGE = 40

-- Builds the level in its init, in this order:
-- - the field: walls round it, or with o.wraps a field whose edges lead round
--   to the other side;
-- - the scenery: o.scenery lists props { graphic, x = .., y = .., z = ..,
--   frame = .. } (place, depth and frame optional);
-- - the global `player` at (o.x, o.y) (default the middle) with three lives;
-- - o.setup(), the level's own objects;
-- - the HUD: the score, then the line o.hud() returns;
-- - the step entity running o.step once a step;
-- - o.message (optional), shown above the ship for o.messageSteps (180);
-- - with o.threats (lists of enemy handles), an orange arrow beside the ship
--   pointing to the nearest of them while it is out of sight.
function startInfinityLevel(o)
    setLevelSize(W, H)
    if o.wraps then
        zorbix.newTeleportingZone(EDGE, W - EDGE, EDGE, H - EDGE)
    else
        createFrameWalls(W, H, EDGE)
    end
    for _, p in ipairs(o.scenery or {}) do
        local prop = newProp(p[1], p.x, p.y)
        if p.z ~= nil then
            prop:setZ(p.z)
        end
        if p.frame ~= nil then
            prop:setFrame(p.frame)
        end
    end
    player = Player.new(o.x or W / 2, o.y or H / 2, 3)
    player.onGameOver = function()
        zorbix.setGameIsFinished(true)
    end
    if o.setup ~= nil then
        o.setup()
    end
    local getScore = zorbix.getScore
    local scoreLine = changedText(function(score)
        return "Score " .. score
    end)
    UpdateHUD.new(function()
        return scoreLine(getScore()), o.hud()
    end)
    everyStep(o.step)
    if o.message ~= nil then
        createMessage(o.message, o.messageSteps or 180)
    end
    if o.threats ~= nil then
        pointToNearestThreat(o.threats)
    end
end

-- An arrow (it hides once its target is in sight) kept on the nearest live
-- object of the handle lists, so that nothing comes from off screen unseen.
function pointToNearestThreat(lists)
    local arrow = nil
    everyStep(function()
        local best = nearestHandleOfLists(lists, true)
        if best == nil then
            arrow:clearTarget()
        else
            arrow:setTargetEntity(best)
        end
    end)
    arrow = Arrow.new(255, 150, 40)
    return arrow
end
