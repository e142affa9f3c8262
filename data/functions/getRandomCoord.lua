-- Random free points for spawning: inside a rectangle, away from the ship and
-- outside the zones a level declares taken (its walls, its goal). Every
-- number comes from math.rand, so a replay draws the same points.
--
--   addTakenBox(400, 400, 200, 80)       -- a wall
--   addTakenDisk(1000, 500, 120)         -- a disk wall
--   local x, y = getRandomCoord(60, 60, 1940, 1140, 400)
require "/data/functions/commonScriptFunctions"

-- Tries before giving up on the distance from the ship.
local TRIES = 40

takenZones = takenZones or {}

-- A rectangle from (x, y), w wide and h high, where no point is given.
function addTakenBox(x, y, w, h)
    takenZones[#takenZones + 1] = { x1 = x, y1 = y, x2 = x + w, y2 = y + h }
end

-- A disk where no point is given.
function addTakenDisk(x, y, radius)
    takenZones[#takenZones + 1] = { cx = x, cy = y, r = radius }
end

function isCoordTaken(x, y)
    for _, z in ipairs(takenZones) do
        if z.r ~= nil then
            if isWithin(x, y, z.cx, z.cy, z.r) then
                return true
            end
        elseif x >= z.x1 and x <= z.x2 and y >= z.y1 and y <= z.y2 then
            return true
        end
    end
    return false
end

-- A point of the rectangle (minX, minY)-(maxX, maxY) outside the taken
-- zones and at least minDistance from the ship. When no try is far enough,
-- the free try farthest from the ship; when no try is free at all, the
-- rectangle's centre.
function getRandomCoord(minX, minY, maxX, maxY, minDistance)
    local sx, sy = (minX + maxX) / 2, (minY + maxY) / 2
    if playerShip ~= nil then
        sx = zorbix.getEntityX(playerShip)
        sy = zorbix.getEntityY(playerShip)
    end
    local bestX, bestY, bestDistance = (minX + maxX) / 2, (minY + maxY) / 2, -1
    for k = 1, TRIES do
        local x = randomBetween(minX, maxX)
        local y = randomBetween(minY, maxY)
        if not isCoordTaken(x, y) then
            local d = distance(x, y, sx, sy)
            if d >= (minDistance or 0) then
                return x, y
            end
            if d > bestDistance then
                bestX, bestY, bestDistance = x, y, d
            end
        end
    end
    return bestX, bestY
end
