-- Helpers shared by level and entity scripts: integer maths (clamping,
-- distances, angles), step timers, the frames levels are built on (playLevel
-- and the clearing, reaching and wave levels), enemy kinds and the handle
-- lists levels keep. The scripted players of the level tests are in
-- pilotFunctions.
--
-- Numbers are integers: "/" truncates toward zero, math.cos and math.sin take
-- degrees and return 256 times the value, math.atan2 returns degrees.
-- Random numbers come from randomBetween (commonGraphicFunctions, loaded
-- here): the game's generator, the only one a level may use, since replays
-- repeat its numbers.
require "/data/functions/commonGraphicFunctions"

-- The module's readers the handle lists below call for every handle, every
-- step: held here rather than looked up by name each time.
local getEntityX = zorbix.getEntityX
local getEntityY = zorbix.getEntityY
local getEntitySqrDistanceFromPlayer = zorbix.getEntitySqrDistanceFromPlayer
local sqrt = math.sqrt

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

-- A heads-up text read every step but made only when its numbers change:
-- changedText(build) returns a function of up to two values that hands back
-- build(a, b), calling build again only when a or b differs from the last
-- call's. build must depend on nothing else.
--
--   local line = changedText(function(lives) return "Lives " .. lives end)
--   hud = function() return line(player.lives) end
function changedText(build)
    local lastA, lastB, text = changedText, changedText, nil
    return function(a, b)
        if a ~= lastA or b ~= lastB then
            lastA, lastB = a, b
            text = build(a, b)
        end
        return text
    end
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

-- Runs fn once per step, as a hidden script entity driven by the global
-- update; returns the entity (its destroy() stops it). A level's own step
-- logic is usually one of these. fn is the entity's update itself, so it is
-- handed the entity, which a function of no parameters never sees.
function everyStep(fn)
    require "/data/entities/LuaEntity"
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    o:setHidden(true)
    o.update = fn
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
    local livesLine = changedText(function(lives)
        return "^7Lives: " .. lives
    end)
    UpdateHUD.new(function()
        local line = nil
        if o.hud ~= nil then
            line = o.hud()
        end
        return livesLine(player.lives), line
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

-- The ship's x, when the ship is the live player the module measures
-- distances from (within a unit of it), for the walks below to pass over
-- handles too far off in x to be nearer than the best so far; nil otherwise.
local function measuredShipX()
    local ship = playerShip
    if ship == nil then
        return nil
    end
    local x, y = getEntityX(ship), getEntityY(ship)
    if (x ~= 0 or y ~= 0) and getEntitySqrDistanceFromPlayer(ship) == 0 then
        return x
    end
    return nil
end

-- The x's a handle may have to be nearer than a squared distance d from a
-- ship at x shipX: a handle's distance is read only within them. The gap
-- between truncated x's, less 4 (two truncations, and the ship within a
-- unit of the player), is a floor of the true gap; past the square root of
-- d it alone makes the distance larger than d. math.sqrt may be a unit
-- short of the root: one more keeps the window wide enough.
local function nearerWindow(shipX, d)
    if d >= 2000000000 then
        return -2147483647, 2147483647
    end
    local s = sqrt(d) + 5
    return shipX - s, shipX + s
end

-- The walk of the nearest-handle functions, going on from a best handle
-- found so far (nil: none) with its squared distance. With the ship's x
-- known, a handle is read for its distance only when its x lies in the
-- window where it could be nearer than the best (nearerWindow): the result
-- is the same as reading every one, for a fraction of the calls.
local function walkNearest(handles, dropGone, shipX, best, bestD)
    local lo, hi = -2147483647, 2147483647
    if best ~= nil and shipX ~= nil then
        lo, hi = nearerWindow(shipX, bestD)
    end
    local count, n = #handles, 0
    for k = 1, count do
        local h = handles[k]
        if h == nil then
            count = k - 1
            break
        end
        local x = getEntityX(h)
        if x ~= 0 or getEntityY(h) ~= 0 then
            if dropGone then
                n = n + 1
                handles[n] = h
            end
            if x >= lo and x <= hi then
                local d = getEntitySqrDistanceFromPlayer(h)
                if best == nil or d < bestD then
                    best, bestD = h, d
                    if shipX ~= nil then
                        lo, hi = nearerWindow(shipX, d)
                    end
                end
            end
        end
    end
    if dropGone then
        for j = count, n + 1, -1 do
            handles[j] = nil
        end
    end
    return best, bestD
end

-- The nearest to the ship of a list of native handles, with its place and
-- its squared distance; a handle whose object is gone reads (0, 0) and is
-- passed over. nil when none is left. The walk stops at the first hole, as
-- ipairs does. The list is left as it is: levels pass the live copy of
-- their list (liveHandles).
function nearestHandle(handles)
    local best, bestD = walkNearest(handles, false, measuredShipX(), nil, 0)
    if best == nil then
        return nil, 0, 0, 0
    end
    return best, getEntityX(best), getEntityY(best), bestD
end

-- The nearest of the handles of several lists (see nearestHandle), the first
-- list's winning a tie, and its squared distance; nil when none is left.
-- With dropGone (for lists the level walks every step), the gone handles are
-- also dropped from the lists, the others keeping their order: the walk then
-- costs what the live objects cost, and no gone handle stays long enough for
-- a new object to take its address and pass for it.
function nearestHandleOfLists(lists, dropGone)
    local shipX = measuredShipX()
    local best, bestD = nil, 0
    for _, list in ipairs(lists) do
        best, bestD = walkNearest(list, dropGone, shipX, best, bestD)
    end
    return best, bestD
end

-- The nearest to the ship of a list of script entities not yet destroyed;
-- nil when none is left.
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

-- Handle lists. A level keeps the handles of the enemies it makes in lists
-- (keepHandle), for its own counts and for its pilot (pilotFunctions).
-- Keeping and reading handles changes nothing in the game.
--
-- A handle outlives its object: once the object is gone the handle reads
-- (0, 0), until enough other objects have gone that its memory is used
-- again and it names whatever new object is made there. So a handle is
-- read only by a walk that comes every step and drops it from its list the
-- first time it reads gone (dropGoneHandles, the walks below, liveHandles);
-- one that is gone is never read again.

-- Keeps the handle h (what a zorbix.new* call returned) at the end of the
-- list and returns it. The list keeps gone handles until a walk drops them.
function keepHandle(list, h)
    list[#list + 1] = h
    return h
end

-- Calls rammed(h, sx, sy) for each handle of the list whose object went
-- since the last call while its last place was within reach units of the
-- ship at (sx, sy): it ran into the ship. Called once a step; the gone
-- handles leave the list, the others keeping their order. seen is the
-- caller's own table of last places, kept from call to call. The calls
-- come after the walk, so that one which adds to the list skips no handle.
function handlesGoneAtShip(list, seen, reach, rammed)
    local sx, sy = getEntityX(playerShip), getEntityY(playerShip)
    local hits
    local count, n = #list, 0
    for k = 1, count do
        local h = list[k]
        local x, y = getEntityX(h), getEntityY(h)
        local last = seen[h]
        if x ~= 0 or y ~= 0 then
            seen[h] = { x, y }
            n = n + 1
            list[n] = h
        else
            seen[h] = nil
            if last ~= nil and isWithin(last[1], last[2], sx, sy, reach) then
                hits = hits or {}
                hits[#hits + 1] = h
            end
        end
    end
    for k = count, n + 1, -1 do
        list[k] = nil
    end
    if hits ~= nil then
        for _, h in ipairs(hits) do
            rammed(h, sx, sy)
        end
    end
end

-- A step function that plays sound once for each handle of the list (as it
-- stands now), at its object's place, the first step that object is within
-- reach units of the player. A handle is let go once heard, or once its
-- object is gone unheard: it is never read again.
function soundOnceNear(handles, reach, sound)
    local unheard = {}
    for k, h in ipairs(handles) do
        unheard[k] = h
    end
    return function()
        local n = 0
        for k = 1, #unheard do
            local h = unheard[k]
            local x, y = getEntityX(h), getEntityY(h)
            if x ~= 0 or y ~= 0 then
                if getEntitySqrDistanceFromPlayer(h) <= reach * reach then
                    zorbix.playSound(sound, x, y)
                else
                    n = n + 1
                    unheard[n] = h
                end
            end
        end
        for k = #unheard, n + 1, -1 do
            unheard[k] = nil
        end
    end
end

-- Drops the handles of objects that are gone (they read at (0, 0)), keeping
-- the others in their order.
function dropGoneHandles(list)
    local n = 0
    for k = 1, #list do
        local h = list[k]
        if getEntityX(h) ~= 0 or getEntityY(h) ~= 0 then
            n = n + 1
            list[n] = h
        end
    end
    for k = #list, n + 1, -1 do
        list[k] = nil
    end
end

-- The live handles of a level's list, as a copy kept for that list (the
-- same table from call to call) and shared by all that read the list
-- through it. Called once a step, it drops each gone handle the first step
-- it reads (0, 0), takes in the handles the level has added since, and
-- leaves the level's list as it is.
-- When the level has itself dropped handles from its list, the copy is
-- taken afresh from it.
local liveCopies = {}
function liveHandles(list)
    local c = liveCopies[list]
    if c == nil then
        c = { seen = 0, handles = {} }
        liveCopies[list] = c
    elseif c.seen > 0 and list[c.seen] ~= c.last then
        for k = #c.handles, 1, -1 do
            c.handles[k] = nil
        end
        c.seen = 0
    end
    for k = c.seen + 1, #list do
        c.handles[#c.handles + 1] = list[k]
    end
    c.seen = #list
    c.last = list[c.seen]
    dropGoneHandles(c.handles)
    return c.handles
end

-- Clearing levels: a level won once its enemies are gone.

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

-- For a level test's win: destroys every live object of a list of handles.
function destroyHandles(handles)
    for _, h in ipairs(liveHandles(handles)) do
        zorbix.setEntityDestroy(h)
    end
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

-- An orange arrow beside the ship that points to the nearest live object
-- of the handle list that handles() returns while none is in sight (within
-- 150 units an enemy is in the picture or at its edge), and hides when none
-- is left; the global `arrow`. It walks the list's live copy (liveHandles).
function pointToNearest(handles)
    require "/data/entities/Arrow"
    arrow = Arrow.new(255, 120, 60)
    arrow.hideWithin = 150
    everyStep(function()
        local h = nearestHandle(liveHandles(handles()))
        if h ~= nil then
            arrow:setTargetEntity(h)
        else
            arrow:clearTarget()
        end
    end)
end

-- Points the arrow at the goal, or nowhere when it is nil.
function pointArrowAt(arrow, g)
    if g ~= nil then
        arrow:setTarget(g.x, g.y)
    else
        arrow:clearTarget()
    end
end

-- Levels of waves.

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
