-- The Boss: the mirror boss in its round hall. Its mirror sends shots back;
-- hit the core past the mirror's edge until the boss falls. Guards join at
-- the higher difficulties; at the lowest one comes after two minutes, so a
-- ship that stands still is hurt at every difficulty. A drum roll opens the fight, a gong marks the
-- boss's arrival once the opening text is read, another its fall.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
CX, CY = 1200, 1200
PAR = 60 * 180
LATE_GUARD = 60 * 120
-- The hall: a twelve-sided room.
OUTLINE = {}
for k = 0, 11 do
    local x, y = pointAt(CX, CY, 30 * k + 15, 1100)
    OUTLINE[#OUTLINE + 1] = x
    OUTLINE[#OUTLINE + 1] = y
end
levelQuads = outlineToQuads(OUTLINE, 60, true)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/boss1/backgroundMirror.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX - 800, CY, 5)
    boss = zorbix.newBossMirror(CX + 300, CY)
    guards = {}
    for k = 1, d do
        guards[k] = zorbix.newHelicopter(CX + 600, CY - 500 + 1000 * (k - 1))
    end
    zorbix.playSound("/data/sounds/roulement_tambour.caf")
    playLevel({
        message = "^1Shoot past the mirror",
        messageSteps = 300,
        par = PAR,
        hud = function()
            return "^7Boss"
        end,
        step = function()
            if elapsed == 150 then
                zorbix.playSound("/data/sounds/gong.caf")
            end
            -- Without guards, one comes to hurry a ship that waits.
            if elapsed == LATE_GUARD and #guards == 0 then
                guards[1] = zorbix.newHelicopter(CX + 600, CY - 500)
                zorbix.playSound("/data/sounds/copter.caf")
            end
        end,
        isWon = function()
            if zorbix.getBossMirrorCount() == 0 then
                zorbix.playSound("/data/sounds/gong_final.caf")
                return true
            end
            return false
        end,
    })
end

-- The hall for the pilot: points within FLOOR of the middle are clear of
-- the walls.
local FLOOR = 1000
local HALL = {
    cx = CX,
    cy = CY,
    inside = function(x, y, margin)
        return isWithin(x, y, CX, CY, FLOOR - margin)
    end,
    clamp = function(x, y, margin)
        if isWithin(x, y, CX, CY, FLOOR - margin) then
            return x, y
        end
        return pointAt(CX, CY, angleTo(CX, CY, x, y), FLOOR - margin)
    end,
}
-- The pilot against the boss, made at its first step (once the boss is):
-- it circles a little wider and turns about a little less often than the
-- shared pilot's own figures, made for the remix's narrower arena.
local flyBoss
local BOSS_ORBIT = { orbitPeriod = 50, orbitCease = 25, orbitR = 180 }

levelTest = newLevelTest(
    function()
        zorbix.setEntityDestroy(boss)
    end,
    -- Shoots the guards down first, circling each, then fights the boss
    -- (whose pilot keeps count of the boss's blasts all along).
    function()
        flyBoss = flyBoss or newMirrorBossPilot(boss, HALL, BOSS_ORBIT)
        local ma, ms, sa, ss = flyBoss()
        local g, gx, gy = nearestHandle(liveHandles(guards))
        if g ~= nil then
            return pilotCircle(gx, gy, 300, 35, gx, gy)
        end
        return ma, ms, sa, ss
    end
)
