-- Small Promenade: a winding walk through a field of circling enemies,
-- marked by waypoints; the circles brush the path. Walk it to the end.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/through it all/generated"
require "/data/functions/pilotFunctions"

W, H = 2000, 3800
PAR = 60 * 120
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/through it all/graphics through it all.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(PATH[1][1], PATH[1][2], 3)
    -- Circling enemies centred beside the path, every second waypoint.
    circlers = {}
    for k = 2, #PATH - 1, 2 - (d + 1) / 2 do
        local p = PATH[k]
        local side = 1
        if p[1] > W / 2 then
            side = -1
        end
        circlers[#circlers + 1] = zorbix.newCirculatingEnemy(p[1] + side * 350, p[2], 300 * 255, 37 * k, k % 2)
    end
    -- From difficulty 1 each waypoint must be held a while, among the
    -- circling enemies.
    route = newRoute(PATH, 2, 90, 30 * d, Arrow.new())
    playLevel({
        message = "^2Follow the waypoints",
        par = PAR,
        hud = function()
            return "^7Waypoint " .. route.index - 1 .. "/" .. #PATH - 1
        end,
        isWon = function()
            return advanceRoute(route)
        end,
    })
end

levelTest = newLevelTest(
    function()
        zorbix.setEntityXY(playerShip, route.spot.x, route.spot.y)
    end,
    -- Flies from waypoint to waypoint, shooting the nearest circling enemy
    -- when one comes within 500 units (backing off inside 200), else ahead
    -- toward the next waypoint.
    function()
        local s = route.spot
        local c, cx, cy = nearestHandle(liveHandles(circlers))
        if c ~= nil and zorbix.getEntityDistanceFromPlayer(c) < 500 then
            local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
            if zorbix.getEntityDistanceFromPlayer(c) < 200 then
                local gx, gy = pointAt(x, y, angleTo(cx, cy, x, y), 200)
                return pilotSticks(gx, gy, cx, cy)
            end
            return pilotSticks(s.x, s.y, cx, cy)
        end
        return pilotSticks(s.x, s.y, s.x, s.y)
    end
)
