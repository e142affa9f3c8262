-- Space oddity (not in the catalogue): four friend ships circle the ship and
-- shoot with it; together they clear three drifts of spinies and planners.
-- Losing every life loses the level.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
local FRIENDS = 4
PAR = 3600

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
    -- Three waves come in at the far end; the difficulty adds planners.
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2)
    enemies = {}
    playWaveLevel({
        message = "^2Your friends fly with you",
        par = PAR,
        waves = 3,
        nextWave = function()
            for k = 0, 5 do
                keepHandle(enemies, zorbix.newSpiny(1200 + 80 * (k % 3), 300 + 120 * k))
            end
            for k = 1, 2 + d do
                keepHandle(enemies, zorbix.newPlanner(1400, 200 + 800 * (k - 1) / (1 + d)))
            end
        end,
        count = function()
            return zorbix.getSpinyCount() + zorbix.getPlannerCount()
        end,
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
