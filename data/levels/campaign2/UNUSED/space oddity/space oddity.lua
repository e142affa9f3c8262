-- Space oddity (not in the catalogue): four friend ships circle the ship and
-- shoot with it; together they clear a drift of spinies and planners.
-- Losing every life loses the level.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

local W, H = 1600, 1200
local FRIENDS = 4
local PAR_STEPS = 3600

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    local sky = newProp("/data/levels/campaign2/UNUSED/space oddity/graphics space oddity.lua")
    sky:setZ(-300)
    newProp("/data/levels/campaign2/UNUSED/space oddity/graphics space oddity.lua"):setFrame(1)
    player = Player.new(400, 600, 3)
    for k = 1, FRIENDS do
        zorbix.newUncommonEntity("player friend", 400, 600)
    end
    zorbix.setFriendsRadius(80 * 256)
    zorbix.setPlayerFriendsCanShoot(true)
    enemies = {}
    for k = 0, 5 do
        enemies[#enemies + 1] = zorbix.newSpiny(1000 + 80 * (k % 3), 300 + 120 * k)
    end
    enemies[#enemies + 1] = zorbix.newPlanner(1300, 400)
    enemies[#enemies + 1] = zorbix.newPlanner(1300, 800)
    playClearLevel({
        message = "^2Your friends fly with you",
        messageSteps = 180,
        par = PAR_STEPS,
        label = "Enemies",
        counts = { zorbix.getSpinyCount, zorbix.getPlannerCount },
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest enemy 300 units off, shooting it with the friends.
    function()
        return pilotOrbitNearest(enemies, 300, 30)
    end
)
