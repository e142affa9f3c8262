-- Space Bedlam: asteroids drift through a field; each shot splits a rock in
-- four smaller ones, down to the smallest. Clear the field.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"

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
    playLevel({
        message = "^7Clear the asteroid field",
        par = PAR,
        hud = function()
            return "^7Rocks: " .. zorbix.getAsteroidCount()
        end,
        isWon = function()
            return zorbix.getAsteroidCount() == 0
        end,
    })
end

-- The pilot's step counter (times its sweeps), the corner of its round it
-- heads for and the steps it has waited there.
local pilotSteps = 0
local pilotCorner = 1
local pilotWait = 0
-- The round the pilot flies once the big rocks are gone, 300 units inside
-- the walls: each corner, the field's corner it shoots into from there, and
-- the direction of the wall passed on the way to it.
local ROUND = {
    { 300, 300, 40, 40, 180 },
    { W - 300, 300, W - 40, 40, -90 },
    { W - 300, H - 300, W - 40, H - 40, 0 },
    { 300, H - 300, 40, H - 40, 90 },
}

levelTest = newLevelTest(
    -- Each big rock is cleared at once (the ship's fire takes its pieces).
    function()
        for _, r in ipairs(rocks) do
            zorbix.setEntityDestroy(r)
        end
    end,
    -- Shoots the nearest big rock from its side toward the middle while any
    -- is left. The pieces have no handles, but a rock keeps its heading and
    -- slides along the walls, so they end along the walls and in the
    -- corners: the ship then flies a round inside the walls, sweeping its
    -- fire over the wall beside it, and waits at each corner firing
    -- straight into it (a small rock there shows little outside the walls).
    function()
        pilotSteps = pilotSteps + 1
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local r, rx, ry = nearestHandle(rocks)
        if r ~= nil then
            local a = angleTo(rx, ry, W / 2, H / 2) + math.sin(pilotSteps) * 30 / 256
            local gx, gy = pointAt(rx, ry, a, 320)
            local tx, ty = pointAt(x, y, angleTo(x, y, rx, ry) + math.sin(pilotSteps * 9) * 15 / 256, 400)
            return pilotSticks(clamp(gx, 200, W - 200), clamp(gy, 200, H - 200), tx, ty)
        end
        local c = ROUND[pilotCorner]
        if isWithin(x, y, c[1], c[2], 60) then
            pilotWait = pilotWait + 1
            if pilotWait > 150 then
                pilotWait = 0
                pilotCorner = pilotCorner % #ROUND + 1
            end
            local tx, ty = pointAt(x, y, angleTo(x, y, c[3], c[4]) + math.sin(pilotSteps * 12) * 3 / 256, 400)
            return pilotSticks(c[1], c[2], tx, ty)
        end
        local tx, ty = pointAt(x, y, c[5] + math.sin(pilotSteps * 5) * 40 / 256, 400)
        return pilotSticks(c[1], c[2], tx, ty)
    end
)
