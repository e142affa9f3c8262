-- Silly Enemies: a spring ties the ship to the middle of a ring of posts,
-- while small and middle suciders dash at it. Stretch the spring to slip
-- aside; destroy every sucider, the splinters of the middle ones too.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/spring matador/generated"

W, H = 2400, 2400
CX, CY = 1200, 1200
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/spring matador/backgroundSpringMatador.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY, 4)
    -- A band of strength 3: it pulls once the ship is 300 away.
    zorbix.newSpring(CX, CY, 0, 3 * 255)
    suciders = {}
    for k = 1, 3 + d do
        local x, y = pointAt(CX, CY, 90 * k + 45, 900)
        suciders[#suciders + 1] = zorbix.newSucider(x, y, 0, k % 2)
    end
    playClearLevel({
        message = "^3Slip aside, then strike",
        par = PAR,
        label = "Suciders",
        counts = { zorbix.getSuciderCount },
    })
end

levelTest = newLevelTest(function()
    for _, e in ipairs(suciders) do
        zorbix.setEntityDestroy(e)
    end
end)
