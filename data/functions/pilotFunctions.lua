-- The scripted players of the level tests. A level's global `levelTest`
-- (newLevelTest), which the game itself never reads, holds its win, its
-- loss and its pilot: a function called once a step that returns the four
-- stick values (move angle and strength, shoot angle and strength) a player
-- would give. The steering below is shared by the pilots: flying to a point
-- while shooting another, orbiting a target, fleeing, following a route,
-- leading a moving target, keeping off places and rocks, and the pilots of
-- the infinity levels and of the mirror boss.
--
-- A pilot only reads the game: it never draws random numbers nor changes an
-- object, so a replay of a piloted game (the stick commands of each step)
-- plays back without it.
require "/data/functions/commonScriptFunctions"

-- The test hooks of a level (the global levelTest, which the game never
-- reads): its win, its pilot (may be nil) and a loss that uses up the lives.
function newLevelTest(win, pilot)
    return {
        win = win,
        pilot = pilot,
        lose = function()
            player:useUpLives()
        end,
    }
end

-- Stick values for a scripted player (levelTest.pilot): fly toward (gx, gy),
-- easing off near it, and shoot toward (tx, ty); nil for either point: no
-- move, no shooting. Four numbers: move angle and strength, shoot angle and
-- strength (degrees as angleTo, strengths 0..100). A pilot only reads the
-- game and never draws random numbers: a replay keeps the stick commands of
-- each step, not it.
function pilotSticks(gx, gy, tx, ty)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local moveAngle, moveStrength, shootAngle, shootStrength = 0, 0, 0, 0
    if gx ~= nil then
        moveAngle = angleTo(x, y, gx, gy)
        moveStrength = clamp(distance(x, y, gx, gy) * 20, 0, 100)
    end
    if tx ~= nil then
        shootAngle = angleTo(x, y, tx, ty)
        shootStrength = 100
    end
    return moveAngle, moveStrength, shootAngle, shootStrength
end

-- The push (in stick units, 100 a full push) that keeps (x, y) off the
-- given places ({x, y, d} with d their distance) closer than radius, and
-- off the edges of the field (0, 0)..(width, height) within margin.
function pilotPush(x, y, places, radius, width, height, margin)
    local vx, vy = 0, 0
    for _, p in ipairs(places) do
        if p.d < radius then
            local a = angleTo(p.x, p.y, x, y)
            local w = 160 * (radius - p.d) / radius
            vx = vx + scaleBy256(w, math.cos(a))
            vy = vy + scaleBy256(w, math.sin(a))
        end
    end
    if margin <= 0 then
        return vx, vy
    end
    if x < margin then
        vx = vx + 200 * (margin - x) / margin
    elseif x > width - margin then
        vx = vx - 200 * (x - width + margin) / margin
    end
    if y < margin then
        vy = vy + 200 * (margin - y) / margin
    elseif y > height - margin then
        vy = vy - 200 * (y - height + margin) / margin
    end
    return vx, vy
end

-- The live objects of the handle lists with their places and distances to
-- (x, y), nearest first: { {h = handle, x = .., y = .., d = ..}, ... }.
function pilotPlaces(lists, x, y)
    local places = {}
    for _, list in ipairs(lists) do
        for _, h in ipairs(list) do
            local hx, hy = zorbix.getEntityX(h), zorbix.getEntityY(h)
            if hx ~= 0 or hy ~= 0 then
                places[#places + 1] = { h = h, x = hx, y = hy, d = distance(x, y, hx, hy) }
            end
        end
    end
    -- Insertion sort: stable, so that equal distances keep the lists' order.
    for k = 2, #places do
        local p = places[k]
        local j = k - 1
        while j >= 1 and places[j].d > p.d do
            places[j + 1] = places[j]
            j = j - 1
        end
        places[j + 1] = p
    end
    return places
end

-- A scripted player among enemies. o holds the settings and the pilot's own
-- state: o.lists (handle lists of the enemies), o.width, o.height (the
-- field), o.danger (keep this far from every enemy), o.keep (circle the
-- nearest at this distance when there is no goal), o.range (shoot what is
-- this close), o.goal (optional: returns the point to head for, or nil),
-- o.canShoot (optional: false for a ship without guns), o.shootable
-- (optional: whether a place {h, x, y, d} is worth a shot), o.sweep (optional:
-- whether to sweep the shots round when no enemy is known). It leads its shots
-- by the enemy's last move. Returns the four stick values of pilotSticks.
function pilotAmong(o)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    -- Before an address is used again by a new object, of any kind.
    for _, list in ipairs(o.lists) do
        dropGoneHandles(list)
    end
    local places = pilotPlaces(o.lists, x, y)
    local margin = o.margin or 180
    -- Also off where each enemy will be in a third of a second, at its
    -- last step's pace: a dash is seen coming.
    local ahead = {}
    for _, p in ipairs(places) do
        local lastX = o.seenX and o.seenX[p.h]
        if lastX ~= nil then
            local fx, fy = p.x + (p.x - lastX) * 20, p.y + (p.y - o.seenY[p.h]) * 20
            ahead[#ahead + 1] = { x = fx, y = fy, d = distance(x, y, fx, fy) }
        end
    end
    local vx, vy = pilotPush(x, y, places, o.danger, o.width, o.height, margin)
    local ax, ay = pilotPush(x, y, ahead, o.danger, o.width, o.height, 0)
    vx, vy = vx + ax, vy + ay
    local gx, gy = nil, nil
    if o.goal ~= nil then
        gx, gy = o.goal()
    end
    local nearest = places[1]
    if gx ~= nil then
        local a = angleTo(x, y, gx, gy)
        local w = clamp(distance(x, y, gx, gy) * 2, 0, 100)
        vx = vx + scaleBy256(w, math.cos(a))
        vy = vy + scaleBy256(w, math.sin(a))
    elseif nearest ~= nil then
        -- Round the nearest enemy, closing in from afar: a moving ship is
        -- hard to aim at.
        local a = angleTo(x, y, nearest.x, nearest.y)
        local w = clamp((nearest.d - o.keep) / 2, -60, 80)
        o.turn = o.turn or 1
        vx = vx + scaleBy256(w, math.cos(a)) + scaleBy256(60, math.cos(a + 90 * o.turn))
        vy = vy + scaleBy256(w, math.sin(a)) + scaleBy256(60, math.sin(a + 90 * o.turn))
    else
        -- Nothing known: back toward the middle of the field.
        local a = angleTo(x, y, o.width / 2, o.height / 2)
        local w = clamp(distance(x, y, o.width / 2, o.height / 2) / 4, 0, 60)
        vx = vx + scaleBy256(w, math.cos(a))
        vy = vy + scaleBy256(w, math.sin(a))
    end
    -- Pressed against an edge, the ship rounds the other way.
    if x < margin / 2 or y < margin / 2 or x > o.width - margin / 2 or y > o.height - margin / 2 then
        if not o.atEdge then
            o.turn = -(o.turn or 1)
        end
        o.atEdge = true
    else
        o.atEdge = false
    end
    local moveAngle, moveStrength = math.atan2(vy, vx), clamp(math.sqrt(vx * vx + vy * vy), 0, 100)
    if moveStrength < 8 then
        moveStrength = 0
    end

    local shootAngle, shootStrength = 0, 0
    local seenX, seenY = {}, {}
    local target = nil
    for _, p in ipairs(places) do
        seenX[p.h], seenY[p.h] = p.x, p.y
        if target == nil and p.d <= o.range and (o.shootable == nil or o.shootable(p)) then
            target = p
        end
    end
    if o.canShoot ~= false then
        if target ~= nil then
            -- Where it will be when a shot (18 units a step) gets there.
            local tx, ty = target.x, target.y
            local lastX = o.seenX and o.seenX[target.h]
            if lastX ~= nil then
                local t = target.d / 18
                tx = tx + (target.x - lastX) * t
                ty = ty + (target.y - o.seenY[target.h]) * t
            end
            shootAngle, shootStrength = angleTo(x, y, tx, ty), 100
        elseif o.sweep then
            o.sweepAngle = ((o.sweepAngle or 0) + 7) % 360
            shootAngle, shootStrength = o.sweepAngle, 100
        end
    end
    o.seenX, o.seenY = seenX, seenY
    return moveAngle, moveStrength, shootAngle, shootStrength
end

-- The test hooks of an infinity level played by pilotAmong(o).
function pilotLevelTest(o)
    return {
        pilot = function()
            return pilotAmong(o)
        end,
    }
end

-- Pilot sticks that circle (tx, ty) at `radius`, `turn` degrees further
-- round each time (negative: the other way), shooting at it: the turn keeps
-- the ship out of shots aimed at it.
function pilotOrbit(tx, ty, radius, turn)
    local gx, gy = orbitGoal(tx, ty, radius, turn)
    return pilotSticks(gx, gy, tx, ty)
end

-- The point `radius` units off (x, y), `turn` degrees round from the ship's
-- bearing from it: where a circling pilot heads.
function orbitGoal(x, y, radius, turn)
    local a = angleTo(x, y, zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip))
    return pointAt(x, y, a + turn, radius)
end

-- pilotOrbit round the nearest live object of a level's handle list; no
-- move and no shooting when none is left.
function pilotOrbitNearest(handles, radius, turn)
    local h, x, y = nearestHandle(liveHandles(handles))
    if h == nil then
        return pilotSticks()
    end
    return pilotOrbit(x, y, radius, turn)
end

-- Pilot sticks that fly straight away from (fx, fy), shooting at (tx, ty).
function pilotFlee(fx, fy, tx, ty)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local gx, gy = pointAt(x, y, angleTo(fx, fy, x, y), 200)
    return pilotSticks(gx, gy, tx, ty)
end

-- A pilot against enemies that burst as they die: list() gives their
-- handles (read each step; a list the level only adds to). For `steps`
-- steps after one is gone it runs straight away from where it was last
-- seen; otherwise attack(e, x, y), given the nearest one and its place,
-- gives the sticks. A handle found gone is not read again.
function newBurstPilot(list, steps, attack)
    local seen, burstX, burstY, burstUntil = {}, 0, 0, 0
    return function()
        local live = {}
        for k, h in ipairs(list()) do
            local last = seen[k]
            if last ~= false then
                local x, y = zorbix.getEntityX(h), zorbix.getEntityY(h)
                if x ~= 0 or y ~= 0 then
                    seen[k] = { x, y }
                    live[#live + 1] = h
                else
                    if last ~= nil then
                        burstX, burstY, burstUntil = last[1], last[2], elapsed + steps
                    end
                    seen[k] = false
                end
            end
        end
        local e, x, y = nearestHandle(live)
        if e == nil then
            return pilotSticks()
        end
        if burstUntil > elapsed then
            return pilotFlee(burstX, burstY, x, y)
        end
        return attack(e, x, y)
    end
end

-- For a pilot: the goal (gx, gy), or, when a rock {x, y, radius} of the
-- list stands in the straight way from the ship to it, a point beside that
-- rock on the side the way passes.
function pilotAroundRocks(gx, gy, rocks)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local dx, dy = gx - x, gy - y
    local len = distance(x, y, gx, gy)
    if len == 0 then
        return gx, gy
    end
    for _, r in ipairs(rocks) do
        local rx, ry = r[1] - x, r[2] - y
        local along = (rx * dx + ry * dy) / len
        -- The rock's distance from the way, on the left of it when positive.
        local side = (ry * dx - rx * dy) / len
        local clear = r[3] + 60
        if along > 0 and along < len + clear and side > -clear and side < clear then
            local s = clear + 40
            if side > 0 then
                s = -s
            end
            return r[1] - dy * s / len, r[2] + dx * s / len
        end
    end
    return gx, gy
end

-- Pilot sticks for a level with a mirror ship centred on (cx, cy): the
-- same sticks, but no shooting toward the centre, from where the mirror's
-- shots would come straight back at the ship.
function pilotSparingMirror(cx, cy, moveAngle, moveStrength, shootAngle, shootStrength)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    if shootStrength > 0 and not isWithin(x, y, cx, cy, 60) then
        local off = normalizeAngle(shootAngle - angleTo(x, y, cx, cy))
        if off > -25 and off < 25 then
            shootStrength = 0
        end
    end
    return moveAngle, moveStrength, shootAngle, shootStrength
end

-- Scripted players (levelTest.pilot) that follow a route: the point of
-- route (a list of {x, y}) the ship heads for, moving on to the next once
-- within reach (default 80) of it; the ship stays on the last, or starts
-- over when loop is true. state is the pilot's own table, holding the index.
function routePoint(route, state, reach, loop)
    state.index = state.index or 1
    local p = route[state.index]
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    if isWithin(x, y, p[1], p[2], reach or 80) then
        if state.index < #route then
            state.index = state.index + 1
        elseif loop then
            state.index = 1
        end
        p = route[state.index]
    end
    return p[1], p[2]
end

-- A shoot-stick angle that turns by step degrees each call, for pilots
-- with no target in sight; state is the pilot's own table.
function sweepAngle(state, step)
    state.sweep = ((state.sweep or 0) + (step or 7)) % 360
    return state.sweep
end

-- Pilot sticks that circle (x, y) `radius` units off, `turn` degrees ahead
-- of the ship's bearing from it (negative: the other way round), shooting
-- at (ax, ay) (a point ahead of the target, see pilotLead). Unlike
-- pilotOrbit, the goal stays 120 units inside the level's edges.
function pilotCircle(x, y, radius, turn, ax, ay)
    local gx, gy = orbitGoal(x, y, radius, turn)
    return pilotSticks(clamp(gx, 120, mapWidth - 120), clamp(gy, 120, mapHeight - 120), ax, ay)
end

-- Where to shoot at the object of handle h, now at (x, y), for the ship's
-- shots (18 units a step) to meet it: its move since the step before,
-- carried on for the shots' flight time. Call it once a step per target.
local leadLast = {}
function pilotLead(h, x, y)
    local last = leadLast[h]
    leadLast[h] = { x, y, elapsed }
    if last == nil or last[3] ~= elapsed - 1 then
        return x, y
    end
    local t = distance(zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip), x, y) / 18
    return x + (x - last[1]) * t, y + (y - last[2]) * t
end

-- Pilot sticks that sweep the shoot stick round, one turn in 120 steps,
-- while flying toward (gx, gy): for enemies the pilot has no handle of.
function pilotSweep(gx, gy)
    local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local tx, ty = pointAt(x, y, 3 * (elapsed or 0), 100)
    return pilotSticks(gx, gy, tx, ty)
end

-- Pilot sticks that fly round the arena centred on (cx, cy) `radius` units
-- off, never resting, shooting the nearest of the handles ahead of its
-- move, or sweeping when none is left: for arenas where enemies dash at the
-- ship.
function pilotRing(cx, cy, radius, handles)
    local moveAngle, moveStrength = pilotCircle(cx, cy, radius, 35)
    local h, x, y = nearestHandle(handles)
    if h == nil then
        return moveAngle, moveStrength, 3 * elapsed, 100
    end
    local tx, ty = pilotLead(h, x, y)
    return moveAngle, moveStrength, angleTo(zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip), tx, ty), 100
end

-- A pilot against the mirror boss of handle boss: it circles the boss,
-- shooting its core, and turns about now and then, so that the mirror
-- swings on past the ship and the shots come in behind its arc; it holds
-- its fire before each turn, not to fly back into its own shots thrown
-- back, and waits out the spirals far off, stepping aside from their
-- bullets. arena.inside(x, y, margin) tells whether a point lies in the
-- arena, margin units off its walls, arena.clamp(x, y, margin) brings a
-- goal into it, margin units off; (arena.cx, arena.cy) is its middle. o overrides the figures below.
function newMirrorBossPilot(boss, arena, o)
    o = o or {}
    -- It circles orbitR units off (orbitTurn degrees ahead), turning about
    -- every orbitPeriod steps and holding its fire the last orbitCease of
    -- them; from the closeFrom-th blast on, the close figures. It waits out
    -- a spiral spiralR units off, stepping aside from the bullets due within
    -- spiralClearance degrees, until spiralLinger steps after its end.
    local orbitTurn, orbitR = o.orbitTurn or 30, o.orbitR or 200
    local orbitPeriod, orbitCease = o.orbitPeriod or 60, o.orbitCease or 30
    local closeFrom, closeR = o.closeFrom or 6, o.closeR or 160
    local closePeriod, closeCease = o.closePeriod or 40, o.closeCease or 20
    local spiralR, spiralClearance, spiralLinger = o.spiralR or 450, o.spiralClearance or 8, o.spiralLinger or 120
    -- The boss's spiral at each difficulty after a blast that reaches a
    -- stage: its length in steps and the steps between bullets.
    local SPIRAL_BASE = { 150, 250, 300 }
    local SPIRAL_GROWTH = { 40, 50, 60 }
    local SPIRAL_PERIOD = { 20, 13, 8 }
    -- The pilot's own count of the boss's blasts (its hit count falls back
    -- to 0 on every fifth core hit; every second blast sets off a spiral),
    -- and when the last spiral ends.
    local steps, orbitSteps, turn = 0, 0, 1
    local lastHits, blasts = 0, 0
    local spiralEnd, spiralLength, spiralPeriod = -1000, 0, 1

    -- The angle of a spiral bullet due at distance r from the boss within
    -- the next steps and near angle a (within the clearance), or nil. The
    -- spiral fires the k-th step before its end along k / 20 radians, at 4
    -- units a step.
    local function bulletNear(a, r)
        for k = 0, spiralLength, spiralPeriod do
            local arrives = spiralEnd - k + r / 4
            if arrives >= steps - 12 and arrives <= steps + 30 then
                local b = k * 2865 / 1000
                local off = normalizeAngle(b - a)
                if off < spiralClearance and off > -spiralClearance then
                    return b
                end
            end
        end
        return nil
    end

    return function()
        steps = steps + 1
        local bx, by = zorbix.getEntityX(boss), zorbix.getEntityY(boss)
        if bx == 0 and by == 0 then
            return pilotSticks()
        end
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local a = angleTo(bx, by, x, y)
        local hits = zorbix.getEntityNumberOfHits(boss)
        if hits < lastHits then
            blasts = blasts + 1
            if blasts % 2 == 0 then
                local d = clamp(zorbix.getDifficultyLevel(), 0, 2) + 1
                spiralLength = SPIRAL_BASE[d] + SPIRAL_GROWTH[d] * (blasts / 2)
                spiralPeriod = SPIRAL_PERIOD[d]
                spiralEnd = steps + spiralLength
            end
        end
        lastHits = hits
        if steps < spiralEnd + spiralLinger then
            -- Far off, stepping aside from each bullet due.
            local b = bulletNear(a, distance(bx, by, x, y))
            local away = a
            if b ~= nil then
                away = a + 3 * spiralClearance
                if normalizeAngle(b - a) > 0 then
                    away = a - 3 * spiralClearance
                end
            end
            local sx, sy = pointAt(bx, by, away, spiralR)
            return pilotSticks(arena.clamp(sx, sy, 60))
        end
        -- A turn about is due after a while, or at a wall. The wider the
        -- mirror has grown, the closer and quicker the turns.
        local radius, period, cease = orbitR, orbitPeriod, orbitCease
        if blasts >= closeFrom then
            radius, period, cease = closeR, closePeriod, closeCease
        end
        orbitSteps = orbitSteps + 1
        local gx, gy = pointAt(bx, by, a + turn * orbitTurn, radius)
        if orbitSteps >= period or not arena.inside(gx, gy, 80) then
            -- Toward the side of the boss that faces the middle of the
            -- arena: the boss creeps after the ship, away from the walls.
            local off = normalizeAngle(angleTo(bx, by, arena.cx, arena.cy) - a)
            if orbitSteps < period or off * turn <= 0 then
                turn = -turn
            end
            orbitSteps = 0
            gx, gy = pointAt(bx, by, a + turn * orbitTurn, radius)
        end
        gx, gy = arena.clamp(gx, gy, 80)
        if orbitSteps >= period - cease then
            return pilotSticks(gx, gy)
        end
        return pilotSticks(gx, gy, bx, by)
    end
end
