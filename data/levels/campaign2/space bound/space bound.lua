-- Space Bound: open space that wraps around: what leaves one edge comes back
-- at the other, the ship and the enemies alike. Mother ships cruise through
-- it, releasing bursts when destroyed. Destroy them all.
require "/data/entities/Player"
require "/data/functions/getRandomCoord"

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
    playClearLevel({
        message = "^5Space wraps around",
        par = PAR,
        label = "Mother ships",
        counts = { zorbix.getMotherShipCount },
    })
end

-- The pilot's memory: where each mother ship was last seen, and the place
-- and end of the last burst to run from.
local seen = {}
local burst = { x = 0, y = 0, untilStep = 0 }

levelTest = newLevelTest(
    function()
        for _, e in ipairs(ships) do
            zorbix.setEntityDestroy(e)
        end
    end,
    -- Circles the nearest mother ship 450 units off, shooting it; runs
    -- straight away from a burst (faster than its bullets) and from a
    -- second ship coming close.
    function()
        noteBursts(ships, seen, burst, 100)
        local s, x, y = nearestHandle(ships)
        if s == nil then
            return pilotSticks()
        end
        if burst.untilStep > elapsed then
            return pilotFlee(burst.x, burst.y, x, y)
        end
        for _, o in ipairs(ships) do
            local ox, oy = zorbix.getEntityX(o), zorbix.getEntityY(o)
            if o ~= s and (ox ~= 0 or oy ~= 0) and zorbix.getEntitySqrDistanceFromPlayer(o) < 300 * 300 then
                return pilotFlee(ox, oy, x, y)
            end
        end
        return pilotOrbit(x, y, 450, 30)
    end
)
