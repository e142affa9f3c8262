-- Symbiosis: two ships joined by an antimatter stream that destroys what it
-- touches; one stick steers each. Destroy every enemy of a wave to call the
-- next, bigger one; boxes, taken by either ship, score and give a life.
require "/data/entities/Boxes2Players"
require "/data/functions/infinityFunctions"

W, H = 2000, 1400
local WAVE_STEPS = 1800
local BOX_STEPS = 1200

-- The enemies the level made, for its scripted player.
local enemies = {}

local kinds = {
    enemyKind("Spiny", 100),
    enemyKind("Sucider", 150, 0, 0),
    enemyKind("Splitter", 200),
    { count = zorbix.getBAFCount, points = 100,
      make = function(x, y) return zorbix.newBackAndForth(x, y, 90 * randomBetween(0, 3)) end },
}

local function alive()
    return countLive(kinds) + zorbix.getSplitterPartCount()
end

local function spawnWave()
    wave = wave + 1
    waveLeft = WAVE_STEPS
    for k = 1, 3 + wave do
        local kind = kinds[1 + randomBetween(0, minOf(#kinds - 1, wave / 2))]
        local x, y = getRandomCoord(120, 120, W - 120, H - 120, 600)
        keepHandle(enemies, kind.make(x, y))
    end
    resetKillCounts(kinds)
    createMessage("^4Wave " .. wave, 120)
end

local function step()
    scoreKills(kinds, player)
    if player.gameOver then
        return
    end
    played = played + 1
    stepWaves(alive, 400, spawnWave)
    if played % BOX_STEPS == 0 and boxes:remaining() == 0 then
        local x, y = getRandomCoord(120, 120, W - 120, H - 120, 300)
        boxes:add(x, y)
    end
end

function init()
    startInfinityLevel({
        scenery = { { "/data/levels/infinity/symbiosis/backgroundSymbiosis.lua" } },
        x = W / 2 - 150,
        setup = function()
            player:setAlly(W / 2 + 150, H / 2)
            -- The shoot stick steers the ally: the stream is the only weapon.
            player:setCanShoot(false)
            boxes = Boxes2Players.new()
            boxes.onCollect = function()
                zorbix.increaseScore(500)
                player:extraLife()
            end
            wave = 0
            played = 0
            spawnWave()
        end,
        hud = function()
            return "Lives " .. player.lives .. "  Wave " .. wave
        end,
        step = step,
        threats = { enemies },
    })
end

-- A new player's way through: the two ships take the nearest enemy between
-- them, on either side of it, turning round it so that the stream sweeps
-- across it, while both keep off the other enemies.
local pilotTurn = 0
levelTest = {
    pilot = function()
        local x, y = player:getX(), player:getY()
        if player.ally == nil then
            return pilotSticks()
        end
        local ax, ay = zorbix.getEntityX(player.ally), zorbix.getEntityY(player.ally)
        local mx, my = (x + ax) / 2, (y + ay) / 2
        dropGoneHandles(enemies)
        local places = pilotPlaces({ enemies }, mx, my)
        local target = places[1]
        local gx, gy, hx, hy = W / 2 - 110, H / 2, W / 2 + 110, H / 2
        if target ~= nil then
            pilotTurn = (pilotTurn + 2) % 360
            local a = angleTo(target.x, target.y, mx, my) + 90 + pilotTurn / 8
            gx, gy = pointAt(target.x, target.y, a, 120)
            hx, hy = pointAt(target.x, target.y, a + 180, 120)
            table.remove(places, 1)
        end
        local sticks = {}
        for k, ship in ipairs({ { x, y, gx, gy }, { ax, ay, hx, hy } }) do
            local sx, sy = ship[1], ship[2]
            for _, p in ipairs(places) do
                p.d = distance(sx, sy, p.x, p.y)
            end
            local vx, vy = pilotPush(sx, sy, places, 200, W, H, 150)
            local a = angleTo(sx, sy, ship[3], ship[4])
            local w = clamp(distance(sx, sy, ship[3], ship[4]) * 2, 0, 100)
            vx = vx + scaleBy256(w, math.cos(a))
            vy = vy + scaleBy256(w, math.sin(a))
            sticks[2 * k - 1] = math.atan2(vy, vx)
            sticks[2 * k] = clamp(math.sqrt(vx * vx + vy * vy), 0, 100)
        end
        return sticks[1], sticks[2], sticks[3], sticks[4]
    end,
}
