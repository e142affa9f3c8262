-- The Rescue: friend ships are stranded among the wrecks. Fly to each; it
-- joins the ship's escort and fires with it. Helicopters hunt the escort.
-- Gather every friend.
--
-- One message shows at a time above the ship: a rescue replaces the one
-- before it, so that two never lie over each other.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/fusion part 1/generated"
require "/data/functions/pilotFunctions"

W, H = 2800, 2800
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

-- The message above the ship; a new one takes its place.
local shown = nil
local function show(text, steps)
    if shown ~= nil and not shown.mustBeDestroyed then
        shown:destroy()
    end
    shown = createMessage(text, steps)
    -- Read wherever the ship is, at the walls too.
    shown.inView = true
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/fusion part 1/graphics fusion part 1.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 120)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1400, 1400, 3)
    stranded = {}
    for k = 1, 5 do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 600)
        stranded[k] = Spot.new(x, y, 60, 0)
        stranded[k].onReached = function(s)
            zorbix.newUncommonEntity("player friend", s.x, s.y)
            show("^5Friend rescued", 90)
            s:destroy()
        end
    end
    helicopters = {}
    for k = 1, 2 + d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 900)
        helicopters[k] = zorbix.newHelicopter(x, y)
    end
    -- The rotor sounds once as each helicopter first comes into view.
    local hearHelicopters = soundOnceNear(helicopters, 500, "/data/sounds/copter.caf")
    -- Yellow, as the spots of the stranded friends it leads to, rather than
    -- the default magenta.
    arrow = Arrow.new(255, 220, 60)
    show("^5Rescue the stranded friends", 240)
    playLevel({
        par = PAR,
        hud = function()
            return "^7Rescued: " .. countReached(stranded) .. "/" .. #stranded
        end,
        step = function()
            pointArrowAt(arrow, nextUnreached(stranded, true))
            hearHelicopters()
        end,
        isWon = function()
            return nextUnreached(stranded, true) == nil
        end,
    })
end

-- Where the pilot's target was a step ago and the steps it has spent
-- circling helicopters.
local pilotLastX, pilotLastY = 0, 0
local pilotCircling = 0

levelTest = newLevelTest(
    function()
        local s = nextUnreached(stranded, true)
        if s ~= nil then
            zorbix.setEntityXY(playerShip, s.x, s.y)
        end
    end,
    -- Circles a helicopter that comes within 600 units, 350 off, shooting
    -- where it will be when the shots arrive (the turn keeps the ship out
    -- of its aimed bursts); otherwise, or after 900 steps of that, flies
    -- round the wrecks to the nearest stranded friend, shooting the nearest
    -- helicopter on the way.
    function()
        local s = nextUnreached(stranded, true)
        if s == nil then
            return pilotSticks()
        end
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local h, hx, hy = nearestHandle(liveHandles(helicopters))
        if h == nil then
            local gx, gy = pilotAroundRocks(s.x, s.y, ROCKS)
            return pilotSticks(gx, gy, s.x, s.y)
        end
        local vx, vy = hx - pilotLastX, hy - pilotLastY
        pilotLastX, pilotLastY = hx, hy
        if vx * vx + vy * vy > 400 then
            vx, vy = 0, 0
        end
        local t = distance(x, y, hx, hy) / 18
        local tx, ty = hx + vx * t, hy + vy * t
        local d = zorbix.getEntityDistanceFromPlayer(h)
        if d < 600 and pilotCircling < 900 then
            pilotCircling = pilotCircling + 1
            local gx, gy = pointAt(hx, hy, angleTo(hx, hy, x, y) + 35, 350)
            gx, gy = pilotAroundRocks(clamp(gx, 150, W - 150), clamp(gy, 150, H - 150), ROCKS)
            return pilotSticks(gx, gy, tx, ty)
        end
        if d >= 600 then
            pilotCircling = 0
        end
        local gx, gy = pilotAroundRocks(s.x, s.y, ROCKS)
        if d < 900 then
            return pilotSticks(gx, gy, tx, ty)
        end
        return pilotSticks(gx, gy, s.x, s.y)
    end
)
