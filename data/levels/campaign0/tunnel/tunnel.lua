-- Tunnel: a long tunnel that bends twice, suciders waiting along it. They
-- aim down their lasers and dash; the ship gets to the far end.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/functions/createAdvancedQuadGeometry"

W, H = 1600, 4000
START_X, START_Y = 300, 200
PAR = 60 * 100
-- The tunnel runs along y, 400 wide, shifting across at two bends.
OUTLINE = { 100, 100, 500, 100, 500, 1400, 1100, 1400, 1100, 2600, 500, 2600,
    500, 3900, 100, 3900, 100, 2200, 700, 2200, 700, 1800, 100, 1800 }
levelQuads = frameWallQuads(W, H, 40)
-- The rock between the tunnel's turns, as quads facing the tunnel.
appendQuads(levelQuads, boxObstacleQuads(500, 140, 1060, 1260))
appendQuads(levelQuads, boxObstacleQuads(40, 1400, 60, 400))
appendQuads(levelQuads, boxObstacleQuads(100, 1800, 600, 400))
appendQuads(levelQuads, boxObstacleQuads(1100, 1400, 460, 1200))
appendQuads(levelQuads, boxObstacleQuads(500, 2600, 1060, 1360))
SUCIDERS = { { 300, 900 }, { 800, 1600 }, { 900, 2000 }, { 800, 2400 }, { 300, 3000 }, { 300, 3400 } }

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/tunnel/tunnelBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    for k, s in ipairs(SUCIDERS) do
        zorbix.newSucider(s[1], s[2], 0, k % 2)
        if d == 2 then
            zorbix.newSucider(s[1] + 80, s[2] + 80, 0, 0)
        end
    end
    exit = Spot.new(300, 3750, 80, 20)
    playToSpot(exit, {
        message = "^3Reach the end of the tunnel",
        messageSteps = 300,
        par = PAR,
        hud = function()
            return "^7Suciders: " .. zorbix.getSuciderCount()
        end,
    })
end

levelTest = newLevelTest(
    function()
        zorbix.setEntityXY(playerShip, exit.x, exit.y)
    end
)
