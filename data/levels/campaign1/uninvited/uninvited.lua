-- Uninvited: teleporters have moved into a maze. Each sleeps until it is
-- first shot, then chases, fires bursts and jumps past the ship; it falls
-- after enough hits. Find and destroy every one.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign1/uninvited/generated"
require "/data/functions/pilotFunctions"

W, H = 2200, 3000
PAR = 60 * 180
levelQuads = frameWallQuads(W, H, 100)
for _, w in ipairs(MAZE_WALLS) do
    appendQuads(levelQuads, boxObstacleQuads(w[1], w[2], w[3], w[4]))
end
-- Rooms (column, row) of the teleporters, the first three at every difficulty.
ROOMS = { { 4, 6 }, { 0, 6 }, { 4, 0 }, { 2, 3 }, { 3, 5 } }

-- The middle of a room.
function roomCentre(c, r)
    return MAZE_ORIGIN + MAZE_CELL * c + MAZE_CELL / 2, MAZE_ORIGIN + MAZE_CELL * r + MAZE_CELL / 2
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/uninvited/graphics uninvited.lua")
    local d = zorbix.getDifficultyLevel()
    local sx, sy = roomCentre(0, 0)
    player = Player.new(sx, sy, 3)
    strength = 10 + 2 * d
    teleporters = {}
    for k = 1, 3 + d do
        local x, y = roomCentre(ROOMS[k][1], ROOMS[k][2])
        teleporters[k] = { ptr = zorbix.newTeleporter(x, y), alive = true }
    end
    arrow = Arrow.new(255, 120, 255)
    -- Shown until the intruder is near enough to be in the picture.
    arrow.hideWithin = 150
    playLevel({
        message = "^6Find the intruders",
        par = PAR,
        hud = function()
            return "^7Intruders: " .. zorbix.getTeleporterCount()
        end,
        step = step,
        isWon = function()
            return nearestTeleporter() == nil
        end,
    })
end

function destroyTeleporter(t)
    local x, y = zorbix.getEntityX(t.ptr), zorbix.getEntityY(t.ptr)
    zorbix.newExplosion(x, y, 255, 120, 255, 80)
    zorbix.playSound("/data/sounds/teleporter_small.caf", x, y)
    zorbix.setEntityDestroy(t.ptr)
    t.alive = false
end

-- The live teleporter nearest to the ship, or nil.
function nearestTeleporter()
    local nearest, best = nil, 0
    for _, t in ipairs(teleporters) do
        if t.alive then
            local dd = zorbix.getEntitySqrDistanceFromPlayer(t.ptr)
            if nearest == nil or dd < best then
                nearest, best = t, dd
            end
        end
    end
    return nearest
end

function step()
    for _, t in ipairs(teleporters) do
        if t.alive and zorbix.getEntityNumberOfHits(t.ptr) >= strength then
            destroyTeleporter(t)
        end
    end
    local nearest = nearestTeleporter()
    if nearest ~= nil then
        arrow:setTargetEntity(nearest.ptr)
    else
        arrow:clearTarget()
    end
end

-- The scripted player: it walks the maze room by room to the nearest
-- intruder, then fights it from the side, never running along the line of
-- its bursts, turning only where a wall stands in the way.
local pilotWay = { side = 1, ghostUntil = 0 }

-- Whether (x, y) lies within margin of a wall or out of the maze.
local function pilotBlocked(x, y, margin)
    if x < 100 + margin or y < 100 + margin or x > W - 100 - margin or y > H - 100 - margin then
        return true
    end
    for _, w in ipairs(MAZE_WALLS) do
        if x > w[1] - margin and x < w[1] + w[3] + margin and y > w[2] - margin and y < w[2] + w[4] + margin then
            return true
        end
    end
    return false
end

-- Whether the straight way from (x1, y1) to (x2, y2) is clear of walls.
local function pilotClear(x1, y1, x2, y2, margin)
    local n = distance(x1, y1, x2, y2) / 20 + 1
    for k = 0, n do
        if pilotBlocked(x1 + (x2 - x1) * k / n, y1 + (y2 - y1) * k / n, margin) then
            return false
        end
    end
    return true
end

-- The room of a point, as one number.
local function pilotRoom(x, y)
    local c = clamp((x - MAZE_ORIGIN) / MAZE_CELL, 0, MAZE_COLUMNS - 1)
    local r = clamp((y - MAZE_ORIGIN) / MAZE_CELL, 0, MAZE_ROWS - 1)
    return r * MAZE_COLUMNS + c
end

-- The room next to `from` on a shortest way to `to` (breadth first).
local function pilotNextRoom(from, to)
    if from == to then
        return to
    end
    local cameFrom = { [to] = to }
    local queue, head = { to }, 1
    while head <= #queue do
        local room = queue[head]
        head = head + 1
        local c, r = room % MAZE_COLUMNS, room / MAZE_COLUMNS
        local cx, cy = roomCentre(c, r)
        for _, d in ipairs({ { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } }) do
            local nc, nr = c + d[1], r + d[2]
            local n = nr * MAZE_COLUMNS + nc
            if nc >= 0 and nr >= 0 and nc < MAZE_COLUMNS and nr < MAZE_ROWS and cameFrom[n] == nil
                and not pilotBlocked(cx + d[1] * MAZE_CELL / 2, cy + d[2] * MAZE_CELL / 2, 0) then
                cameFrom[n] = room
                if n == from then
                    return room
                end
                queue[#queue + 1] = n
            end
        end
    end
    return to
end

-- How far the ship can fly from (x, y) along angle a, up to `reach`.
local function pilotRun(x, y, a, reach)
    for d = 20, reach, 20 do
        local px, py = pointAt(x, y, a, d)
        if pilotBlocked(px, py, 30) then
            return d - 20
        end
    end
    return reach
end

-- The intruder to fight: one already awake, else the nearest.
local function pilotTarget()
    for _, t in ipairs(teleporters) do
        if t.alive and zorbix.getEntityNumberOfHits(t.ptr) > 0 then
            return t
        end
    end
    return nearestTeleporter()
end

-- Whether a shot from (x, y) toward angle a could wake a sleeping intruder
-- other than t.
local function pilotWakes(x, y, a, t)
    for _, u in ipairs(teleporters) do
        if u ~= t and u.alive and zorbix.getEntityNumberOfHits(u.ptr) == 0 then
            local ux, uy = zorbix.getEntityX(u.ptr), zorbix.getEntityY(u.ptr)
            local off = math.abs(normalizeAngle(angleTo(x, y, ux, uy) - a))
            if off < 20 and pilotClear(x, y, ux, uy, 0) then
                return true
            end
        end
    end
    return false
end

local function pilotUninvited()
    local t = pilotTarget()
    if t == nil then
        return pilotSticks()
    end
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local tx, ty = zorbix.getEntityX(t.ptr), zorbix.getEntityY(t.ptr)
    local ax, ay = pilotLead(t.ptr, tx, ty)
    -- The shots of one just destroyed are still on their way.
    if t ~= pilotWay.target then
        pilotWay.target, pilotWay.ghostUntil = t, elapsed + 60
    end
    if pilotWakes(x, y, angleTo(x, y, ax, ay), t) then
        ax = nil
    end
    local d = distance(x, y, tx, ty)
    local asleep = zorbix.getEntityNumberOfHits(t.ptr) == 0
    local seen = pilotClear(x, y, tx, ty, asleep and 30 or 0)
    if asleep and seen and d < 700 and ax ~= nil then
        return pilotSticks(x, y, ax, ay)
    end
    if asleep or (not seen and d > 900) or d > 1000 then
        -- Walk toward its room, to the next room's middle.
        local to = pilotRoom(tx, ty)
        local next = pilotNextRoom(pilotRoom(x, y), to)
        local gx, gy = roomCentre(next % MAZE_COLUMNS, next / MAZE_COLUMNS)
        if next == to and seen then
            gx, gy = tx, ty
        elseif not pilotClear(x, y, gx, gy, 25) then
            gx, gy = roomCentre(pilotRoom(x, y) % MAZE_COLUMNS, pilotRoom(x, y) / MAZE_COLUMNS)
        end
        if seen and ax ~= nil then
            return pilotSticks(gx, gy, ax, ay)
        end
        return pilotSticks(gx, gy)
    end
    if not seen then
        ax, ay = nil, nil
    end
    -- Across its line of fire, a little toward it when far, away when near.
    local bearing = angleTo(tx, ty, x, y)
    local lean = 0
    if d > 450 then
        lean = 20
    elseif d < 300 then
        lean = -20
    end
    -- A course is kept for a while: turning back into its own track is
    -- what the bursts punish.
    local a = pilotWay.angle
    if a ~= nil and elapsed < pilotWay.keepUntil and pilotRun(x, y, a, 60) >= 40 then
        local off = math.abs(normalizeAngle(a - bearing))
        if (off >= 60 and off <= 120) or elapsed < pilotWay.ghostUntil then
            local gx, gy = pointAt(x, y, a, 100)
            return pilotSticks(gx, gy, ax, ay)
        end
    end
    -- Never closer than 60 degrees to the line of fire. Its bursts fan out
    -- clockwise from the ship, so the pilot goes round it the other way
    -- (side 1) unless a wall closes that side.
    local best, bestScore = nil, -100000
    for _, side in ipairs({ 1, -1 }) do
        for _, off in ipairs({ 0, 20, -20, 40, -40 }) do
            local a = bearing + side * clamp(90 + lean + off, 60, 120)
            local score = pilotRun(x, y, a, 160) - math.abs(off) / 4
            if side == pilotWay.side then
                score = score + 40
            end
            if side == 1 then
                score = score + 120
            end
            if score > bestScore then
                best, bestScore = { a, side }, score
            end
        end
    end
    pilotWay.side = best[2]
    pilotWay.angle, pilotWay.keepUntil = best[1], elapsed + 35
    local gx, gy = pointAt(x, y, best[1], 100)
    return pilotSticks(gx, gy, ax, ay)
end

levelTest = newLevelTest(
    function()
        for _, t in ipairs(teleporters) do
            if t.alive then
                destroyTeleporter(t)
            end
        end
    end,
    pilotUninvited
)
