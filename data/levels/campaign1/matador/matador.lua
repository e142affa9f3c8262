-- The Matador: in a bullring, big suciders aim along their lasers and dash;
-- dodge aside and shoot them while helicopters circle above. Destroy them
-- all.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
CX, CY = 1200, 1200
PAR = 60 * 150
RING = {}
for k = 0, 15 do
    local x, y = pointAt(CX, CY, 360 * k / 16, 1100)
    RING[#RING + 1] = x
    RING[#RING + 1] = y
end
levelQuads = outlineToQuads(RING, 60, true)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/matador/graphics matador.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY - 700, 4)
    enemies = {}
    for k = 1, 2 + d do
        local x, y = pointAt(CX, CY, 60 + 120 * k, 600)
        enemies[#enemies + 1] = zorbix.newSucider(x, y, 0, 2)
    end
    helicopters = {}
    for k = 1, 1 + d do
        local x, y = pointAt(CX, CY, 90 * k, 800)
        enemies[#enemies + 1] = zorbix.newHelicopter(x, y)
        helicopters[k] = enemies[#enemies]
    end
    -- The arrow points to the nearest enemy while none is in sight.
    pointToNearest(function()
        return enemies
    end)
    playClearLevel({
        message = "^1Ole! Dodge the dashes",
        par = PAR,
        label = "Enemies",
        counts = { zorbix.getSuciderCount, zorbix.getHelicopterCount },
        -- Each helicopter's rotor is heard once, as it first comes near the ship.
        step = soundOnceNear(helicopters, 300, "/data/sounds/copter.caf"),
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Flies round the ring, shooting the nearest enemy ahead of its move:
    -- the ship is never where a sucider aimed its dash.
    function()
        return pilotRing(CX, CY, 750, liveHandles(enemies))
    end
)
