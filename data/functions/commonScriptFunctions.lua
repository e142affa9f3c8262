-- Integer helpers shared by level and entity scripts: clamping, distances,
-- angles, step timers and the end of a level.
--
-- Numbers are integers: "/" truncates toward zero, math.cos and math.sin take
-- degrees and return 256 times the value, math.atan2 returns degrees.
-- Random numbers come from randomBetween (commonGraphicFunctions, loaded
-- here): the game's generator, the only one a level may use, since replays
-- repeat its numbers.
require "/data/functions/commonGraphicFunctions"

-- v limited to low..high.
function clamp(v, low, high)
    if v < low then
        return low
    end
    if v > high then
        return high
    end
    return v
end

function minOf(a, b)
    if a < b then
        return a
    end
    return b
end

function maxOf(a, b)
    if a > b then
        return a
    end
    return b
end

-- -1, 0 or 1.
function sign(v)
    if v < 0 then
        return -1
    end
    if v > 0 then
        return 1
    end
    return 0
end

-- Squared distance: compare it with a squared radius, no square root needed.
-- Keep both points within about 30,000 units of each other, or the square
-- leaves the integer range.
function sqrDistance(x1, y1, x2, y2)
    local dx = x2 - x1
    local dy = y2 - y1
    return dx * dx + dy * dy
end

-- The distance, truncated.
function distance(x1, y1, x2, y2)
    return math.sqrt(sqrDistance(x1, y1, x2, y2))
end

-- Whether (x, y) lies within radius of (cx, cy), the rim included.
function isWithin(x, y, cx, cy, radius)
    return sqrDistance(x, y, cx, cy) <= radius * radius
end

-- The angle in degrees (-180..180, 0 along +x, 90 along +y) from the first
-- point to the second.
function angleTo(x1, y1, x2, y2)
    return math.atan2(y2 - y1, x2 - x1)
end

-- The angle a in -180..179.
function normalizeAngle(a)
    a = a % 360
    if a < 0 then
        a = a + 360
    end
    if a >= 180 then
        a = a - 360
    end
    return a
end

-- The point `length` units from (x, y) in the direction `angle` (degrees).
function pointAt(x, y, angle, length)
    return x + scaleBy256(length, math.cos(angle)), y + scaleBy256(length, math.sin(angle))
end

-- A timer of `duration` steps; with `repeating` it starts again each time it
-- runs out. Call tickTimer(t) once per step.
function newTimer(duration, repeating)
    return { duration = duration, left = duration, repeating = repeating or false }
end

-- Counts one step; true on the step the timer runs out (every `duration`
-- steps for a repeating timer, once for the others).
function tickTimer(t)
    if t.left <= 0 then
        return false
    end
    t.left = t.left - 1
    if t.left > 0 then
        return false
    end
    if t.repeating then
        t.left = t.duration
    end
    return true
end

-- Starts the timer again, with a new duration when one is given.
function resetTimer(t, duration)
    t.duration = duration or t.duration
    t.left = t.duration
end

function timerIsDone(t)
    return t.left <= 0
end

-- Steps (60 a second) as "m:ss".
function formatSteps(steps)
    local seconds = maxOf(steps, 0) / 60
    local s = seconds % 60
    if s < 10 then
        return (seconds / 60) .. ":0" .. s
    end
    return (seconds / 60) .. ":" .. s
end

-- Ends the level. A won level keeps a positive score (at least 1, so that it
-- counts as finished); a lost one ends with 0.
function finishLevel(won, score)
    if won then
        zorbix.setScore(maxOf(score or 1, 1))
    else
        zorbix.setScore(0)
    end
    zorbix.setGameIsFinished(true)
end

-- Sets the level's size, and keeps it in mapWidth and mapHeight for the
-- shared entities that must stay inside it (texts near the edges).
function setLevelSize(width, height)
    mapWidth, mapHeight = width, height
    zorbix.setMapBoundaries(width, height)
end

-- A score for a won level: a base, a bonus per life left and a bonus for
-- the steps saved under par. Always positive.
function winScore(lives, steps, par)
    return 1000 + 500 * maxOf(lives, 0) + maxOf(par - steps, 0) / 6
end

-- Runs fn() once per step, as a hidden script entity driven by the global
-- update; returns the entity (its destroy() stops it). A level's own step
-- logic is usually one of these.
function everyStep(fn)
    require "/data/entities/LuaEntity"
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    o:setHidden(true)
    o.update = function()
        fn()
    end
    return o
end

-- A script entity at (x, y) drawing a graphic script: backgrounds and props.
function newProp(graphic, x, y)
    require "/data/entities/LuaEntity"
    local o = LuaEntity.new(LuaEntity, false, x or 0, y or 0)
    o:setGraphic(graphic)
    return o
end

-- Kills scored by the fall of class counters. kinds is a list of
-- {count = zorbix.getSpinyCount, points = 100}. Once a step, scoreKills
-- adds the points of what died since its last call; what died while the
-- ship was being lost (it rammed the ship) scores nothing. After making
-- enemies, resetKillCounts keeps them from counting as kills.
function scoreKills(kinds, player)
    for _, k in ipairs(kinds) do
        local now = k.count()
        if k.last ~= nil and now < k.last and not player.dead and player.livesLost == (kinds.livesLostBefore or 0) then
            zorbix.increaseScore((k.last - now) * k.points)
        end
        k.last = now
    end
    kinds.livesLostBefore = player.livesLost
end

function resetKillCounts(kinds)
    for _, k in ipairs(kinds) do
        k.last = k.count()
    end
end

-- The live enemies of the kinds.
function countLive(kinds)
    local n = 0
    for _, k in ipairs(kinds) do
        n = n + k.count()
    end
    return n
end

-- The frame most levels share, started at the end of init once the global
-- `player` (a Player) exists: the opening message, the HUD (the lives, then
-- the level's own line) and a hidden step entity. Each step counts
-- `elapsed`; while the game goes on it runs o.step (optional) and wins the
-- level, with winScore against o.par, on the first step that o.isWon()
-- holds while the ship lives.
--
--   playLevel({ message = "^3Reach the exit", par = PAR,
--               hud = function() return "^7Suciders: " .. zorbix.getSuciderCount() end,
--               isWon = function() return exit.reached end })
function playLevel(o)
    require "/data/functions/createMessage"
    require "/data/entities/UpdateHUD"
    elapsed = 0
    won = false
    if o.message ~= nil then
        createMessage(o.message, o.messageSteps or 240)
    end
    UpdateHUD.new(function()
        local line = nil
        if o.hud ~= nil then
            line = o.hud()
        end
        return "^7Lives: " .. player.lives, line
    end)
    return everyStep(function()
        elapsed = elapsed + 1
        if won or player.gameOver then
            return
        end
        if o.step ~= nil then
            o.step()
        end
        if not won and o.isWon() and player:isAlive() then
            won = true
            finishLevel(true, winScore(player.lives, elapsed, o.par))
        end
    end)
end

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
-- game and never draws random numbers: a replay keeps its touches, not it.
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

-- The nearest to the ship of a list of native handles, with its place; a
-- handle whose object is gone reads (0, 0) and is passed over. nil when
-- none is left.
function nearestHandle(handles)
    local best, bestX, bestY, bestD = nil, 0, 0, 0
    for _, h in ipairs(handles) do
        local x, y = zorbix.getEntityX(h), zorbix.getEntityY(h)
        if x ~= 0 or y ~= 0 then
            local d = zorbix.getEntitySqrDistanceFromPlayer(h)
            if best == nil or d < bestD then
                best, bestX, bestY, bestD = h, x, y, d
            end
        end
    end
    return best, bestX, bestY
end

-- Unused levels (bomb, boss1 re, symmetry, training): the nearest to the
-- ship of a list of script entities not yet destroyed; nil when none is left.
function nearestLiveEntity(entities)
    local best, bestD = nil, 0
    for _, e in ipairs(entities) do
        if not e.mustBeDestroyed then
            local d = e:getSquareDistanceFromPlayer()
            if best == nil or d < bestD then
                best, bestD = e, d
            end
        end
    end
    return best
end

-- An enemy kind for levels that make enemies by kind and score their kills
-- (scoreKills): its live count, the points of a kill, and a maker at (x, y)
-- that passes the extra arguments after the position. name is the module's
-- name for the kind: "Spiny" stands for newSpiny and getSpinyCount.
function enemyKind(name, points, ...)
    local new, extra = zorbix["new" .. name], { ... }
    return {
        count = zorbix["get" .. name .. "Count"],
        points = points,
        make = function(x, y)
            return new(x, y, unpack(extra))
        end,
    }
end

-- The wave clock of the infinity levels that come in waves, once a step
-- while the game goes on. spawnWave starts a wave: it counts the global
-- `wave` up and sets `waveLeft` to the wave's steps. A field cleared
-- (alive() == 0) scores bonus points per wave and calls the next wave at
-- once; otherwise the next one comes when the wave's time is up.
function stepWaves(alive, bonus, spawnWave)
    waveLeft = waveLeft - 1
    if alive() == 0 then
        zorbix.increaseScore(bonus * wave)
        spawnWave()
    elseif waveLeft <= 0 then
        spawnWave()
    end
end

-- Scripted players of the infinity levels (levelTest.pilot). A level keeps
-- the handles of the enemies it makes in lists (keepHandle); pilotAmong
-- plays among them. Keeping and reading handles changes nothing in the game.

-- Keeps the handle h (what a zorbix.new* call returned) at the end of the
-- list and returns it. The gone handles are dropped whenever the list has
-- doubled: a walk every step would cost the game a third of its speed.
function keepHandle(list, h)
    list[#list + 1] = h
    if #list >= (list.dropAt or 32) then
        dropGoneHandles(list)
        list.dropAt = 2 * #list + 32
    end
    return h
end

-- Drops the handles of objects that are gone (they read at (0, 0)), keeping
-- the others in their order.
function dropGoneHandles(list)
    local n = 0
    for k = 1, #list do
        local h = list[k]
        if zorbix.getEntityX(h) ~= 0 or zorbix.getEntityY(h) ~= 0 then
            n = n + 1
            list[n] = h
        end
    end
    for k = #list, n + 1, -1 do
        list[k] = nil
    end
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

-- Clearing levels and their pilots: a level won once its enemies are gone,
-- and the circling that pilots use to shoot at a target while dodging.

-- playLevel for a level won when every enemy counted by o.counts (a list of
-- counters such as zorbix.getSpinyCount) is destroyed; the HUD shows
-- "o.label: n". The other fields are playLevel's.
function playClearLevel(o)
    local function left()
        local n = 0
        for _, count in ipairs(o.counts) do
            n = n + count()
        end
        return n
    end
    o.hud = function()
        return "^7" .. o.label .. ": " .. left()
    end
    o.isWon = function()
        return left() == 0
    end
    return playLevel(o)
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

-- pilotOrbit round the nearest of a list of handles; no move and no
-- shooting when none is left.
function pilotOrbitNearest(handles, radius, turn)
    local h, x, y = nearestHandle(handles)
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
-- handles (read each step). For `steps` steps after one is gone it runs
-- straight away from where it was last seen; otherwise attack(e, x, y),
-- given the nearest one and its place, gives the sticks.
function newBurstPilot(list, steps, attack)
    local seen, burstX, burstY, burstUntil = {}, 0, 0, 0
    return function()
        local handles = list()
        for k, h in ipairs(handles) do
            local x, y = zorbix.getEntityX(h), zorbix.getEntityY(h)
            if x ~= 0 or y ~= 0 then
                seen[k] = { x, y }
            elseif seen[k] ~= nil then
                burstX, burstY, burstUntil = seen[k][1], seen[k][2], elapsed + steps
                seen[k] = nil
            end
        end
        local e, x, y = nearestHandle(handles)
        if e == nil then
            return pilotSticks()
        end
        if burstUntil > elapsed then
            return pilotFlee(burstX, burstY, x, y)
        end
        return attack(e, x, y)
    end
end

-- For a level test's win: destroys every object of a list of handles.
function destroyHandles(handles)
    for _, h in ipairs(handles) do
        zorbix.setEntityDestroy(h)
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

-- Campaign levels won by reaching a place: playLevel with the arrow on a
-- Spot, won once the ship has reached it (o as playLevel's, less isWon).
function playToSpot(spot, o)
    require "/data/entities/Arrow"
    arrow = Arrow.new()
    arrow:setTarget(spot.x, spot.y)
    o.isWon = function()
        return spot.reached
    end
    return playLevel(o)
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

-- Routes of spots reached one after the other (a walk of waypoints, a tour
-- of beacons), the arrow showing the next. points are {x, y}; the walk
-- starts at points[first] (default 1); each spot has the radius and hold of
-- Spot.new. route.spot is the spot to reach, route.index its point.
function newRoute(points, first, radius, hold, arrow)
    require "/data/entities/Spot"
    local r = { points = points, index = first or 1, radius = radius, hold = hold, arrow = arrow, done = false }
    local p = points[r.index]
    r.spot = Spot.new(p[1], p[2], radius, hold)
    arrow:setTarget(p[1], p[2])
    return r
end

-- Once a step: past a reached spot, shows the next; true once the last
-- spot is reached (the arrow then points nowhere).
function advanceRoute(r)
    if r.done or not r.spot.reached then
        return r.done
    end
    r.spot:destroy()
    r.index = r.index + 1
    local p = r.points[r.index]
    if p == nil then
        r.done = true
        r.arrow:clearTarget()
        return true
    end
    r.spot = Spot.new(p[1], p[2], r.radius, r.hold)
    r.arrow:setTarget(p[1], p[2])
    return false
end

-- Lists of goals to reach (anything with x, y and `reached`: spots, moving
-- goals): how many are reached, and the one to head for next.
function countReached(goals)
    local n = 0
    for _, g in ipairs(goals) do
        if g.reached then
            n = n + 1
        end
    end
    return n
end

-- The first goal not reached, or with `nearest` the one nearest the ship;
-- nil once all are reached.
function nextUnreached(goals, nearest)
    local best, bestD = nil, 0
    for _, g in ipairs(goals) do
        if not g.reached then
            if not nearest then
                return g
            end
            local d = g:getSquareDistanceFromPlayer()
            if best == nil or d < bestD then
                best, bestD = g, d
            end
        end
    end
    return best
end

-- Points the arrow at the goal, or nowhere when it is nil.
function pointArrowAt(arrow, g)
    if g ~= nil then
        arrow:setTarget(g.x, g.y)
    else
        arrow:clearTarget()
    end
end

-- nearestHandle for a pilot that calls it every step, keeping `seen` (its
-- own table) between calls: a handle whose object jumps more than 100 units
-- in a step is taken as gone for good, since a new object can be made where
-- a destroyed one was and take its handle.
function nearestSteadyHandle(handles, seen)
    local steady = {}
    for k, h in ipairs(handles) do
        local x, y = zorbix.getEntityX(h), zorbix.getEntityY(h)
        local last = seen[k]
        if (x == 0 and y == 0) or (last ~= nil and (last == false or math.abs(x - last[1]) > 100 or math.abs(y - last[2]) > 100)) then
            seen[k] = false
        else
            seen[k] = { x, y }
            steady[#steady + 1] = h
        end
    end
    return nearestHandle(steady)
end

-- Levels of waves and pilots that shoot ahead of their targets.

-- playWaveLevel: the frame of a level of waves (see playLevel), started at
-- the end of init. o.nextWave(wave) makes the enemies of a wave, o.count()
-- counts its live ones; each time none is left the next wave comes, until
-- o.waves waves are cleared. The global `wave` is the wave under way; the
-- HUD line shows it and the enemies left (short: the line starts mid-screen).
function playWaveLevel(o)
    require "/data/functions/createMessage"
    wave = 1
    o.nextWave(wave)
    return playLevel({
        message = o.message,
        par = o.par,
        hud = function()
            return "^7Wave " .. wave .. "/" .. o.waves .. ": " .. o.count() .. " left"
        end,
        step = function()
            if o.count() == 0 and wave < o.waves then
                wave = wave + 1
                o.nextWave(wave)
                createMessage("^3Wave " .. wave, 120)
            end
        end,
        isWon = function()
            return wave >= o.waves and o.count() == 0
        end,
    })
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

-- The live handles of a level's list (which the pilot must not change), as
-- the pilot's own copy: a handle whose object is gone is dropped for good
-- the first step it reads (0, 0), before a new object can take its address
-- and be mistaken for it; handles the level adds later are taken in.
local liveCopies = {}
function pilotLive(list)
    local c = liveCopies[list]
    if c == nil then
        c = { seen = 0, handles = {} }
        liveCopies[list] = c
    end
    for k = c.seen + 1, #list do
        c.handles[#c.handles + 1] = list[k]
    end
    c.seen = #list
    dropGoneHandles(c.handles)
    return c.handles
end

-- The pilot of the mirror boss's levels (The Boss, its remix).

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
