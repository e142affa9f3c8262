-- Matador: Round 2: the bullring again, smaller, with every size of sucider
-- at once, middle ones that burst into rings of small ones, and dodgers.
-- Destroy them all.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"

W, H = 2000, 2000
CX, CY = 1000, 1000
PAR = 60 * 180
levelQuads = outlineToQuads(regularOutline(CX, CY, 900, 12, 15), 60, true)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/matador round 2/graphics matador round 2.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY - 600, 5)
    enemies = {}
    for k = 1, 3 + d do
        -- The fifth would start on the first: it goes between the first two.
        local x, y = pointAt(CX, CY, 40 + 90 * k + 45 * ((k - 1) / 4), 500)
        enemies[#enemies + 1] = zorbix.newSucider(x, y, 0, k % 3)
    end
    for k = 1, 2 + d do
        local x, y = pointAt(CX, CY, 90 + 60 * k, 300)
        enemies[#enemies + 1] = zorbix.newDodger(x, y)
    end
    playClearLevel({
        message = "^1Round two",
        messageSteps = 180,
        par = PAR,
        label = "Enemies",
        counts = { zorbix.getSuciderCount, zorbix.getDodgerCount },
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end
)
