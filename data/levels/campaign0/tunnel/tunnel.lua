-- Tunnel: a long tunnel that bends twice, suciders waiting along it. They
-- aim down their lasers and dash; the ship gets to the far end. The ship
-- flies in yellow here: the suciders are cyan arrowheads like its own model.
-- One big one waits in the wide middle: its bursts fill the tunnel with
-- small ones and their lasers, so one is enough. At the highest difficulty
-- more small ones wait along the way.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1600, 4000
START_X, START_Y = 300, 200
PAR = 60 * 100
-- How near a sucider the scripted player lets itself come.
KEEP_OFF = 250
DODGE = 150
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
-- The tunnel's middle line, from the start to the exit.
ROUTE = { { 300, 200 }, { 440, 600 }, { 440, 1200 }, { 300, 1600 }, { 650, 1700 }, { 1040, 1800 }, { 1040, 2200 }, { 900, 2500 }, { 440, 2500 }, { 440, 3200 }, { 300, 3750 } }
local pilot = { seen = {} }
SUCIDERS = { { 300, 900 }, { 800, 1600 }, { 900, 2000 }, { 800, 2400 }, { 300, 3000 }, { 300, 3400 } }
-- The big one's place in SUCIDERS.
BIG_ONE = 3

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/tunnel/tunnelBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    player:setShipColor(255, 220, 0)
    -- A warning: the tunnel is guarded.
    zorbix.playSound("/data/sounds/danger.caf")
    -- Handles of them all, and of the small ones and the big ones.
    suciders, smallOnes, bigOnes = {}, {}, {}
    for k, s in ipairs(SUCIDERS) do
        local big = k == BIG_ONE
        local h = zorbix.newSucider(s[1], s[2], 0, big and 1 or 0)
        suciders[#suciders + 1] = h
        if big then
            bigOnes[#bigOnes + 1] = h
        else
            smallOnes[#smallOnes + 1] = h
        end
        if d == 2 and k % 2 == 1 then
            h = zorbix.newSucider(s[1] + 80, s[2] + 80, 0, 0)
            suciders[#suciders + 1] = h
            smallOnes[#smallOnes + 1] = h
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
    end,
    -- Flies the tunnel round its bends, keeping clear of the suciders and
    -- stepping aside from one that dashes at the ship. It shoots only the
    -- small ones: a big one bursts into small ones as it takes hits.
    function()
        local gx, gy = routePoint(ROUTE, pilot, 120)
        local sx, sy = player:getX(), player:getY()
        local a = angleTo(sx, sy, gx, gy)
        local vx, vy = math.cos(a), math.sin(a)
        for _, h in ipairs(liveHandles(suciders)) do
            local x, y = zorbix.getEntityX(h), zorbix.getEntityY(h)
            local last = pilot.seen[h]
            pilot.seen[h] = { x, y }
            if last ~= nil then
                local d = distance(sx, sy, x, y)
                if d < KEEP_OFF then
                    -- Away from it, the harder the nearer.
                    local away = angleTo(x, y, sx, sy)
                    local push = 2 * (KEEP_OFF - d)
                    vx, vy = vx + scaleBy256(push, math.cos(away)), vy + scaleBy256(push, math.sin(away))
                end
                if d < 700 and distance(x, y, last[1], last[2]) > 3 then
                    -- Dashing: aside from its line.
                    local run = angleTo(last[1], last[2], x, y)
                    local off = normalizeAngle(angleTo(x, y, sx, sy) - run)
                    -- How far the ship is from its line, when ahead of it.
                    local lateral = math.abs(scaleBy256(d, math.sin(off)))
                    if math.abs(off) < 90 and lateral < DODGE then
                        local side = run + 90
                        if off < 0 then
                            side = run - 90
                        end
                        vx, vy = vx + 2 * math.cos(side), vy + 2 * math.sin(side)
                    end
                end
            end
        end
        -- Shoots a near small one, unless a big one is nearer.
        local small, tx, ty = nearestHandle(liveHandles(smallOnes))
        local big, bx, by = nearestHandle(liveHandles(bigOnes))
        if small ~= nil and distance(sx, sy, tx, ty) < 700
            and (big == nil or distance(sx, sy, bx, by) > distance(sx, sy, tx, ty) + 40) then
            return angleTo(0, 0, vx, vy), 100, angleTo(sx, sy, tx, ty), 100
        end
        return angleTo(0, 0, vx, vy), 100, 0, 0
    end
)
