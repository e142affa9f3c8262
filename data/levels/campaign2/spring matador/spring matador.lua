-- Silly Enemies: a spring ties the ship to the middle of a ring of posts,
-- while small suciders and a middle one dash at it. Stretch the spring to
-- slip aside; destroy every sucider, the middle one's splinters too.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/spring matador/generated"
require "/data/functions/pilotFunctions"

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
    -- A band of strength 3: it rests 300 away, pushing the ship out when
    -- nearer and pulling it back when farther.
    zorbix.newSpring(CX, CY, 0, 3 * 255)
    suciders = {}
    -- One middle sucider: its splinter rings already grow with the
    -- difficulty. The fifth sucider stands between two corners' ones.
    for k = 1, 3 + d do
        local a = 90 * k + 45
        if k > 4 then
            a = 90 * k
        end
        local x, y = pointAt(CX, CY, a, 900)
        local kind = 0
        if k == 1 then
            kind = 1
        end
        suciders[#suciders + 1] = zorbix.newSucider(x, y, 0, kind)
    end
    playClearLevel({
        message = "^3Slip aside, then strike",
        par = PAR,
        label = "Suciders",
        counts = { zorbix.getSuciderCount },
    })
end

levelTest = newLevelTest(function()
    destroyHandles(suciders)
end)
