-- Anathema: the final boss among ruins. It chases, throws seeds that hatch
-- enemies where they strike a wall, breaks apart to reappear beyond the
-- ship, and at the higher difficulties fires a wide beam. Bring it down.
--
-- The level adds the boss's volleys: now and then, after a warning, it
-- fires a fan of bullets at the ship, so that a ship that stands still is
-- hurt at every difficulty. The difficulty makes them come more often,
-- wider and faster, and leaves the ship fewer lives.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/anathema/generated"
require "/data/functions/pilotFunctions"

W, H = 3000, 3000
PAR = 60 * 240
-- The outer walls are thick: the boss's shove moves the ship 30 units in a
-- step, and would carry it through a thinner wall out of the level.
levelQuads = appendRockQuads(frameWallQuads(W, H, 120), ROCKS)

-- By difficulty 0..2: the steps between volleys, the bullets of a volley
-- (10 degrees apart), their speed (255 a unit a step), the ship's lives,
-- and the hits the boss takes (its own figure, for the HUD).
local VOLLEY_EVERY = { 300, 240, 200 }
local VOLLEY_BULLETS = { 3, 4, 5 }
local VOLLEY_SPEED = { 4 * 255, 9 * 128, 5 * 255 }
local LIVES = { 5, 4, 4 }
local BOSS_HITS = { 500, 666, 666 }
-- The warning sounds this many steps before a volley.
local WARNING_STEPS = 45
-- The two-shot gun: the last fight is long enough with it.
local TWO_SHOT_GUN = 1

-- Fires a fan of bullets from the boss at the ship; the handles go to the
-- list `volleys` (the pilot's view of them).
local function fireVolley(d)
    local bx, by = zorbix.getEntityX(boss), zorbix.getEntityY(boss)
    local a = angleTo(bx, by, zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip))
    local n = VOLLEY_BULLETS[d]
    for k = 1, n do
        keepHandle(volleys, zorbix.newBadBullet(bx, by, a + 10 * (k - 1 - n / 2), VOLLEY_SPEED[d], 255, 60, 200))
    end
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/anathema/graphics anathema.lua")
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2) + 1
    player = Player.new(1500, 400, LIVES[d])
    zorbix.setPlayerShootMode(TWO_SHOT_GUN)
    boss = zorbix.newTeleporter(1500, 1350, 1)
    zorbix.playSound("/data/sounds/gong_final.caf")
    volleys = {}
    local volley = newTimer(VOLLEY_EVERY[d], true)
    playLevel({
        message = "^3Anathema",
        par = PAR,
        hud = function()
            local left = maxOf(0, BOSS_HITS[d] - zorbix.getEntityNumberOfHits(boss))
            return "^7Anathema: " .. (100 * left + BOSS_HITS[d] - 1) / BOSS_HITS[d] .. "%"
        end,
        step = function()
            if zorbix.getTeleporterCount() == 0 or not player:isAlive() then
                return
            end
            if volley.left == WARNING_STEPS then
                zorbix.playSound("/data/sounds/danger.caf")
            end
            if tickTimer(volley) then
                fireVolley(d)
            end
        end,
        isWon = function()
            return zorbix.getTeleporterCount() == 0
        end,
    })
end

-- The pilot's own state: where the boss was a step ago, the steps it has
-- stood still, and its settings for pilotAmong.
local lastX, lastY, still = 0, 0, 0
local among = nil

-- Circles the boss 550 units off, shooting it, and keeps off the volleys'
-- bullets. The boss stands still only while its beam charges and fires:
-- then the ship runs round it, out of the beam's line.
levelTest = newLevelTest(function()
    zorbix.setEntityDestroy(boss)
end, function()
    local bx, by = zorbix.getEntityX(boss), zorbix.getEntityY(boss)
    if bx == 0 and by == 0 then
        return pilotSticks()
    end
    if bx == lastX and by == lastY then
        still = still + 1
    else
        still = 0
    end
    lastX, lastY = bx, by
    among = among
        or {
            lists = { liveHandles(volleys), { boss } },
            width = W,
            height = H,
            danger = 240,
            keep = 550,
            range = 900,
            margin = 200,
            shootable = function(p)
                return p.h == boss
            end,
        }
    liveHandles(volleys)
    among.goal = function()
        local turn = 50
        if still > 2 then
            turn = 70
        end
        local gx, gy = orbitGoal(bx, by, 550, turn)
        return clamp(gx, 250, W - 250), clamp(gy, 250, H - 250)
    end
    return pilotAmong(among)
end)
