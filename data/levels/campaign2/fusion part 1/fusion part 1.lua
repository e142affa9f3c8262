-- The Rescue: friend ships are stranded among the wrecks. Fly to each; it
-- joins the ship's escort and fires with it. Helicopters hunt the escort.
-- Gather every friend.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/fusion part 1/generated"

W, H = 2800, 2800
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

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
            createMessage("^5Friend rescued", 90)
            s:destroy()
        end
    end
    helicopters = {}
    for k = 1, 2 + d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 900)
        helicopters[k] = zorbix.newHelicopter(x, y)
    end
    arrow = Arrow.new(0, 200, 255)
    playLevel({
        message = "^5Rescue the stranded friends",
        par = PAR,
        hud = function()
            return "^7Rescued: " .. countReached(stranded) .. "/" .. #stranded
        end,
        step = function()
            pointArrowAt(arrow, nextUnreached(stranded, true))
        end,
        isWon = function()
            return nextUnreached(stranded, true) == nil
        end,
    })
end

-- The helicopters the pilot has seen (nearestSteadyHandle).
local pilotSeen = {}

levelTest = newLevelTest(
    function()
        local s = nextUnreached(stranded, true)
        if s ~= nil then
            zorbix.setEntityXY(playerShip, s.x, s.y)
        end
    end,
    -- Flies to the nearest stranded friend, shooting the nearest helicopter
    -- when one is close, else ahead.
    function()
        local s = nextUnreached(stranded, true)
        if s == nil then
            return pilotSticks()
        end
        local h, hx, hy = nearestSteadyHandle(helicopters, pilotSeen)
        if h ~= nil and zorbix.getEntityDistanceFromPlayer(h) < 800 then
            return pilotSticks(s.x, s.y, hx, hy)
        end
        return pilotSticks(s.x, s.y, s.x, s.y)
    end
)
