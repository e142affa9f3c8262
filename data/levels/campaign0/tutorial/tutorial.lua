-- The tutorial: move to two spots, shoot the practice target, meet one
-- harmless enemy; each lesson waits for the "Ok" button, and its text stays
-- up until it is done; an arrow points the way. The ship cannot be
-- hurt, so the tutorial cannot be lost. This level has its own global
-- update: the lesson first, then the pass over the script entities.
require "/data/entities/LuaEntity"
require "/data/entities/Arrow"
require "/data/entities/Spot"
require "/data/functions/commonScriptFunctions"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

W, H = 1600, 1000
local TARGET_HITS = 10
-- Brownian type 3: yellow, and it dies on contact without hurting the ship.
local HARMLESS = 3

-- The lessons in order: the text shown, then what starts the lesson once the
-- text is acknowledged, and whether it is done.
local lessons = {
    {
        text = "^3Left stick:^w fly to the spot",
        start = function()
            spot = Spot.new(1200, 300, 60, 30)
            arrow:setTarget(spot.x, spot.y)
        end,
        done = function() return spot.reached end,
    },
    {
        text = "Well done! Now that spot",
        start = function()
            spot:destroy()
            spot = Spot.new(400, 750, 60, 30)
            arrow:setTarget(spot.x, spot.y)
        end,
        done = function() return spot.reached end,
    },
    {
        text = "^3Right stick:^w shoot the cube",
        start = function()
            spot:destroy()
            target = zorbix.newTutorialTarget(1100, 600)
            arrow:setTarget(1100, 600)
        end,
        done = function() return zorbix.getEntityNumberOfHits(target) >= TARGET_HITS end,
    },
    {
        text = "An enemy! Fly into it",
        start = function()
            zorbix.newExplosion(1100, 600, 255, 255, 0, 40)
            zorbix.setEntityDestroy(target)
            target = nil
            enemy = zorbix.newBrownian(1200, 500, HARMLESS)
            arrow:setTargetEntity(enemy)
        end,
        done = function() return zorbix.getBrownianCount() == 0 end,
    },
    {
        text = "^2You are ready. Good luck!",
        start = function() finishLevel(true, 1) end,
        done = function() return false end,
    },
}

-- The state of the lesson: reading its text (waiting for "Ok") or doing it.
local function showText(k)
    message = createMessage(lessons[k].text, 100000)
    -- Read wherever the ship is, at the walls too.
    message.inView = true
    zorbix.setButtonWasPressed(false)
    zorbix.setButtonIsVisible(true)
    reading = true
end

local function lessonStep()
    if reading then
        if zorbix.getButtonWasPressed() then
            zorbix.setButtonWasPressed(false)
            zorbix.setButtonIsVisible(false)
            reading = false
            lessons[lesson].start()
        end
    elseif lessons[lesson].done() then
        message:destroy()
        arrow:clearTarget()
        lesson = lesson + 1
        zorbix.playSound("/data/sounds/bonus.caf")
        showText(lesson)
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign0/tutorial/backgroundTutorialb.lua"):setZ(-300)
    newProp("/data/levels/campaign0/tutorial/backgroundTutorial.lua")
    playerShip = zorbix.newPlayer(400, 300)
    zorbix.setPlayerIsInvincible(true)
    -- Within this distance a spot is in the picture or at its edge.
    arrow = Arrow.new()
    arrow.hideWithin = 150
    lesson = 1
    started = false
end

-- The lesson, then every script entity once, as LuaEntity's own update does.
function update()
    if not started then
        -- The "Ok" button is only shown during play, never from init.
        started = true
        showText(1)
    end
    lessonStep()
    local i = 1
    local size = #luaEntities
    while i <= size do
        local e = luaEntities[i]
        e:update()
        if e.mustBeDestroyed then
            e:reallyDestroy()
            size = size - 1
            i = i - 1
        end
        i = i + 1
    end
end

-- The game never reads levelTest; tests use it to do the current lesson as a
-- player would: fly to the spot, shoot at the target, fly into the enemy.
-- Reading a text waits for the "Ok" button, which is the test's to press.
levelTest = {
    win = function()
        if reading then
            return
        end
        local sx, sy = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        if lesson <= 2 then
            zorbix.setEntityXY(playerShip, spot.x, spot.y)
        elseif lesson == 3 then
            -- A shot from the ship toward the target (angle in radians x 255).
            local a = math.atan2(600 - sy, 1100 - sx) * 255 * 314 / 18000
            zorbix.newPlayerBullet(sx, sy, a, 10 * 255, 0)
        elseif lesson == 4 and zorbix.getBrownianCount() > 0 then
            zorbix.setEntityXY(playerShip, zorbix.getEntityX(enemy), zorbix.getEntityY(enemy))
        end
    end,
}
