-- Space Bound: open space that wraps around: what leaves one edge comes back
-- at the other, the ship and the enemies alike. Mother ships cruise through
-- it, releasing bursts when destroyed. Destroy them all.
require "/data/entities/Player"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 3000, 3000
-- The wrapping zone lies inside the level, clear of its edge.
ZONE = { 100, 2900, 100, 2900 }
PAR = 60 * 150

function init()
    setLevelSize(W, H)
    zorbix.newTeleportingZone(ZONE[1], ZONE[2], ZONE[3], ZONE[4])
    newProp("/data/levels/campaign2/space bound/graphics space bound.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1500, 1500, 3)
    ships = {}
    for k = 1, 3 + d do
        local x, y = getRandomCoord(300, 300, W - 300, H - 300, 900)
        ships[k] = zorbix.newMotherShip(x, y, 15 + 5 * (k % 3), 45 * k)
    end
    -- The arrow points to the nearest ship while none is in sight.
    pointToNearest(function()
        return ships
    end)
    playClearLevel({
        message = "^5Space wraps around",
        par = PAR,
        label = "Mother ships",
        counts = { zorbix.getMotherShipCount },
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(ships)
    end,
    -- Circles the nearest mother ship 450 units off, shooting it; runs
    -- straight away from a burst (faster than its bullets) and from a
    -- second ship coming close.
    newBurstPilot(function()
        return ships
    end, 100, function(s, x, y)
        for _, o in ipairs(liveHandles(ships)) do
            local ox, oy = zorbix.getEntityX(o), zorbix.getEntityY(o)
            if o ~= s and zorbix.getEntitySqrDistanceFromPlayer(o) < 300 * 300 then
                return pilotFlee(ox, oy, x, y)
            end
        end
        return pilotOrbit(x, y, 450, 30)
    end)
)
