-- 1 and 1 (not in the catalogue): the mirror ship stands opposite the ship
-- through the middle of the arena and fires the other way whenever the ship
-- fires. Its shots hurt the ship but also the enemies: aim so that both
-- streams clear the suciders and spinies.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
PAR = 3600

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/1and1/graphics 1and1.lua")
    player = Player.new(W / 2 - 300, H / 2, 3)
    zorbix.newUncommonEntity("bizarro", W / 2, H / 2)
    enemies = {}
    for k = 0, 3 do
        enemies[#enemies + 1] = zorbix.newSpiny(200 + 400 * k, 150)
        enemies[#enemies + 1] = zorbix.newSpiny(200 + 400 * k, H - 150)
    end
    enemies[#enemies + 1] = zorbix.newSucider(150, H / 2, 0, 0)
    enemies[#enemies + 1] = zorbix.newSucider(W - 150, H / 2, 0, 0)
    -- The difficulty adds suciders above and below the mirror.
    for k = 1, zorbix.getDifficultyLevel() do
        enemies[#enemies + 1] = zorbix.newSucider(W / 2, 150 + (H - 300) * (k - 1), 0, 0)
    end
    playClearLevel({
        message = "^4Your mirror fires when you fire",
        messageSteps = 200,
        par = PAR,
        label = "Enemies",
        counts = { zorbix.getSuciderCount, zorbix.getSpinyCount },
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest enemy 300 units off and shoots it, except toward
    -- the middle, where the mirror's shots would come back at the ship.
    function()
        return pilotSparingMirror(W / 2, H / 2, pilotOrbitNearest(enemies, 300, 30))
    end
)
