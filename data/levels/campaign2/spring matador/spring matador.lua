-- Silly Enemies: a spring ties the ship to the middle of a ring of posts,
-- while small suciders dash at it, from the corners and, at the higher
-- difficulties, from the sides too. Stretch the spring to slip aside;
-- destroy every sucider. One that dies against the ship comes back from
-- the rim: only shots clear the ring.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/spring matador/generated"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
CX, CY = 1200, 1200
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

-- Where each sucider was last seen, whether the ship was shielded or lost
-- the step before, and the lives it had lost. A sucider gone beside the
-- ship as it lost a life, or on its shield, ran into it: another comes
-- from the rim, across from the ship.
local seen, protected, livesLost = {}, false, 0
local function comeBack()
    local rammed = protected or player.livesLost ~= livesLost or not player:isAlive()
    handlesGoneAtShip(suciders, seen, 90, function(_, sx, sy)
        if rammed then
            local bx, by = pointAt(CX, CY, angleTo(sx, sy, CX, CY), 900)
            keepHandle(suciders, zorbix.newSucider(bx, by, 0, 0))
        end
    end)
    protected = not player:isAlive() or player.shieldLeft > 0
    livesLost = player.livesLost
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/spring matador/backgroundSpringMatador.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY, 4)
    -- A band of strength 3: it rests 300 away, pushing the ship out when
    -- nearer and pulling it back when farther.
    zorbix.newSpring(CX, CY, 0, 3 * 255)
    suciders = {}
    -- Four in the corners, then between two corners' ones.
    for k = 1, 4 + 2 * d do
        local a = 90 * k + 45
        if k > 4 then
            a = 90 * k
        end
        local x, y = pointAt(CX, CY, a, 900)
        suciders[#suciders + 1] = zorbix.newSucider(x, y, 0, 0)
    end
    -- The arrow points to the nearest sucider while none is in sight.
    pointToNearest(function()
        return suciders
    end)
    playClearLevel({
        message = "^3Slip aside, then strike",
        par = PAR,
        label = "Suciders",
        counts = { zorbix.getSuciderCount },
        step = comeBack,
    })
end

-- The pilot's settings and state for pilotAmong.
local among = nil

-- Rounds the middle on the spring's rest, shooting the nearest sucider
-- ahead of its move and stepping aside from one that dashes in.
levelTest = newLevelTest(function()
    destroyHandles(suciders)
end, function()
    among = among
        or {
            lists = { liveHandles(suciders) },
            width = W,
            height = H,
            danger = 220,
            keep = 500,
            range = 1000,
            margin = 300,
        }
    liveHandles(suciders)
    return pilotAmong(among)
end)
