-- Boss 1, remixed (not in the catalogue): the mirror boss again, in a
-- narrower arena, with two fans beside it that blow the ship back toward
-- its shots. Destroy the boss.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"

local W, H = 1600, 1200
local PAR_STEPS = 4800

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/boss1 re/graphics boss1 re.lua")
    player = Player.new(300, H / 2, 3)
    boss = zorbix.newBossMirror(1200, H / 2)
    zorbix.newFan(900, 250)
    zorbix.newFan(900, H - 250)
    playLevel({
        message = "^1The mirror boss is back",
        messageSteps = 200,
        par = PAR_STEPS,
        isWon = function()
            return zorbix.getBossMirrorCount() == 0
        end,
    })
end

-- The pilot circles the boss ORBIT_R units off (at ORBIT_TURN degrees
-- ahead), turning about every ORBIT_PERIOD steps and holding its fire the
-- last ORBIT_CEASE of them; from the CLOSE_FROM-th blast on, the CLOSE_
-- figures. It waits out a spiral SPIRAL_R units off, stepping aside from
-- the bullets due within SPIRAL_CLEARANCE degrees, until SPIRAL_LINGER
-- steps after its end.
local ORBIT_TURN, ORBIT_R, ORBIT_PERIOD, ORBIT_CEASE = 30, 200, 60, 30
local CLOSE_FROM, CLOSE_R, CLOSE_PERIOD, CLOSE_CEASE = 6, 160, 40, 20
local SPIRAL_R, SPIRAL_CLEARANCE, SPIRAL_LINGER = 450, 8, 120

-- The pilot's own count of the boss's blasts (its hit count falls back to
-- 0 on every fifth core hit; every second blast sets off a spiral of
-- bullets), and when the last spiral ends.
local pilotSteps = 0
local orbitSteps = 0
local orbitTurn = 1
local lastHits = 0
local blasts = 0
local spiralEnd = -1000
local spiralLength = 0
local spiralPeriod = 1

-- The boss's spiral at the difficulty after a blast that reaches stage:
-- its length in steps and the steps between bullets.
local SPIRAL_BASE = { 150, 250, 300 }
local SPIRAL_GROWTH = { 40, 50, 60 }
local SPIRAL_PERIOD = { 20, 13, 8 }

-- Whether (x, y) lies in the arena, margin units off its walls.
local function inArena(x, y, margin)
    return x >= margin and x <= W - margin and y >= margin and y <= H - margin
end

-- The angle (degrees) of a spiral bullet due at distance r from the boss
-- within the next steps and near angle a (within clearance), or nil. The
-- spiral fires the k-th step before its end along k / 20 radians, at 4
-- units a step.
local function spiralBulletNear(a, r, now)
    for k = 0, spiralLength, spiralPeriod do
        local arrives = spiralEnd - k + r / 4
        if arrives >= now - 12 and arrives <= now + 30 then
            local b = k * 2865 / 1000
            local off = normalizeAngle(b - a)
            if off < SPIRAL_CLEARANCE and off > -SPIRAL_CLEARANCE then
                return b
            end
        end
    end
    return nil
end

levelTest = newLevelTest(
    function()
        zorbix.setEntityDestroy(boss)
    end,
    -- Circles the boss, shooting its core, and turns about now and then:
    -- the mirror swings on past the ship, and the shots come in behind its
    -- arc. It holds its fire before each turn, not to fly back into its own
    -- shots thrown back, and waits out the spirals far off, stepping aside
    -- from their bullets.
    function()
        pilotSteps = pilotSteps + 1
        local bx, by = zorbix.getEntityX(boss), zorbix.getEntityY(boss)
        if bx == 0 and by == 0 then
            return pilotSticks()
        end
        local x, y = player:getX(), player:getY()
        local a = angleTo(bx, by, x, y)
        local hits = zorbix.getEntityNumberOfHits(boss)
        if hits < lastHits then
            blasts = blasts + 1
            if blasts % 2 == 0 then
                local d = clamp(zorbix.getDifficultyLevel(), 0, 2) + 1
                spiralLength = SPIRAL_BASE[d] + SPIRAL_GROWTH[d] * (blasts / 2)
                spiralPeriod = SPIRAL_PERIOD[d]
                spiralEnd = pilotSteps + spiralLength
            end
        end
        lastHits = hits
        if pilotSteps < spiralEnd + SPIRAL_LINGER then
            -- Far off, stepping aside from each bullet due.
            local b = spiralBulletNear(a, distance(bx, by, x, y), pilotSteps)
            local away = a
            if b ~= nil then
                away = a + 3 * SPIRAL_CLEARANCE
                if normalizeAngle(b - a) > 0 then
                    away = a - 3 * SPIRAL_CLEARANCE
                end
            end
            local gx, gy = pointAt(bx, by, away, SPIRAL_R)
            return pilotSticks(clamp(gx, 60, W - 60), clamp(gy, 60, H - 60))
        end
        -- A turn about is due after a while, or at a wall. The wider the
        -- mirror has grown, the closer and quicker the turns.
        local radius, period, cease = ORBIT_R, ORBIT_PERIOD, ORBIT_CEASE
        if blasts >= CLOSE_FROM then
            radius, period, cease = CLOSE_R, CLOSE_PERIOD, CLOSE_CEASE
        end
        orbitSteps = orbitSteps + 1
        local gx, gy = pointAt(bx, by, a + orbitTurn * ORBIT_TURN, radius)
        if orbitSteps >= period or not inArena(gx, gy, 80) then
            -- Toward the side of the boss that faces the middle of the
            -- arena: the boss creeps after the ship, away from the walls.
            local off = normalizeAngle(angleTo(bx, by, W / 2, H / 2) - a)
            if orbitSteps < period or off * orbitTurn <= 0 then
                orbitTurn = -orbitTurn
            end
            orbitSteps = 0
            gx, gy = pointAt(bx, by, a + orbitTurn * ORBIT_TURN, radius)
        end
        gx, gy = clamp(gx, 80, W - 80), clamp(gy, 80, H - 80)
        if orbitSteps >= period - cease then
            return pilotSticks(gx, gy)
        end
        return pilotSticks(gx, gy, bx, by)
    end
)
