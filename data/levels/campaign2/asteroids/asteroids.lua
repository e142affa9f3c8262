-- Space Bedlam: asteroids drift through a field; each shot splits a rock in
-- four smaller ones, down to the smallest. Clear the field.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 2600, 2600
PAR = 60 * 180
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/asteroids/graphics asteroids.lua")
    newProp("/data/levels/campaign2/asteroids/graphics asteroids.lua"):setFrame(1)
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1300, 1300, 3)
    rocks = {}
    for k = 1, 4 + 2 * d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        rocks[k] = zorbix.newAsteroid(x, y)
    end
    -- The arrow points to the nearest whole rock while none is in sight:
    -- they start far from the ship.
    pointToNearest(function()
        return rocks
    end)
    playClearLevel({
        message = "^7Clear the asteroid field",
        par = PAR,
        label = "Rocks",
        counts = { zorbix.getAsteroidCount },
    })
end

-- The pilot's state: its step counter (times its sweeps), the steps since
-- the last rock fell, the corner of its round it heads for and the steps it
-- has waited there.
local pilotSteps = 0
local pilotRocks = 0
local pilotStale = 0
local pilotCorner = 1
local pilotWait = 0
-- The corners of the field, and the direction of the wall passed on the way
-- to each in the pilot's round.
local CORNERS = { { 40, 40, 180 }, { W - 40, 40, -90 }, { W - 40, H - 40, 0 }, { 40, H - 40, 90 } }
-- The ship's gun fires 3 degrees off the stick.
local GUN_TURN = 3

levelTest = newLevelTest(
    -- Each big rock is cleared at once (the ship's fire takes its pieces).
    function()
        destroyHandles(rocks)
    end,
    -- Shoots the nearest big rock from its side toward the middle. The
    -- pieces have no handles, but a rock keeps its heading and slides along
    -- the walls, so they end along the walls and in the corners: the ship
    -- then flies a round inside the walls, sweeping its fire over the wall
    -- beside it and ahead, and waits off each corner firing into it (early
    -- on, while many pieces fly about, it holds still there, sweeping its
    -- fire round). A big rock that does not fall within 300 steps is shot
    -- from another side, and after 600 the ship goes back to its round
    -- until one falls.
    function()
        pilotSteps = pilotSteps + 1
        local count = zorbix.getAsteroidCount()
        if count ~= pilotRocks then
            pilotRocks, pilotStale = count, 0
        end
        pilotStale = pilotStale + 1
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local r, rx, ry = nearestHandle(liveHandles(rocks))
        -- A rock held in a corner is shot from the round's wait there.
        if r ~= nil and (rx <= 60 or rx >= W - 60) and (ry <= 60 or ry >= H - 60) then
            for k, c in ipairs(CORNERS) do
                if isWithin(rx, ry, c[1], c[2], 40) then
                    pilotCorner = k
                end
            end
            r = nil
        end
        if r ~= nil and pilotStale < 600 then
            local a = angleTo(rx, ry, W / 2, H / 2) + pilotStale / 300 * 50
            local gx, gy = pointAt(rx, ry, a, 320)
            local tx, ty = pointAt(x, y, angleTo(x, y, rx, ry) - GUN_TURN + math.sin(pilotSteps * 9) * 15 / 256, 400)
            return pilotSticks(clamp(gx, 200, W - 200), clamp(gy, 200, H - 200), tx, ty)
        end
        local c = CORNERS[pilotCorner]
        local inset = 300 + (pilotStale / 1000) % 2 * 300
        local gx, gy = clamp(c[1], inset, W - inset), clamp(c[2], inset, H - inset)
        -- While many pieces still fly about, the ship holds still and
        -- sweeps its fire round: flying across the field meets more of them.
        if r == nil and count > 15 and pilotSteps < 2500 and isWithin(x, y, gx, gy, 60) then
            return pilotSticks(gx, gy, pointAt(x, y, pilotSteps * 3, 400))
        end
        if isWithin(x, y, gx, gy, 60) then
            pilotWait = pilotWait + 1
            if pilotWait > 200 then
                pilotWait = 0
                pilotCorner = pilotCorner % #CORNERS + 1
            end
            local tx, ty = pointAt(x, y, angleTo(x, y, c[1], c[2]) - GUN_TURN + math.sin(pilotSteps * 12) * 4 / 256, 400)
            return pilotSticks(gx, gy, tx, ty)
        end
        -- Every other shot clears the way ahead.
        local aim = c[3] + math.sin(pilotSteps * 5) * 40 / 256
        if pilotSteps / 8 % 2 == 1 then
            aim = angleTo(x, y, gx, gy) + math.sin(pilotSteps * 7) * 20 / 256
        end
        local tx, ty = pointAt(x, y, aim, 400)
        return pilotSticks(gx, gy, tx, ty)
    end
)
