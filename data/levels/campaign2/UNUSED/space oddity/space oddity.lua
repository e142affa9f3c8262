-- Space oddity (not in the catalogue): four friend ships circle the ship and
-- shoot with it; together they clear five drifts of spinies and planners,
-- each coming in at the far side from the ship.
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
    -- Five waves, each at the far side from the ship, one more spiny in
    -- each; the difficulty adds planners.
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2)
    enemies = {}
    playWaveLevel({
        message = "^2Your friends fly with you",
        par = PAR,
        waves = 5,
        nextWave = function(wave)
            local x = 1200
            if zorbix.getEntityX(playerShip) > W / 2 then
                x = 250
            end
            for k = 0, 4 + wave do
                keepHandle(enemies, zorbix.newSpiny(x + 80 * (k % 3), 200 + 800 * k / (4 + wave)))
            end
            for k = 1, 2 + d do
                keepHandle(enemies, zorbix.newPlanner(x + 100, 200 + 800 * (k - 1) / (1 + d)))
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
