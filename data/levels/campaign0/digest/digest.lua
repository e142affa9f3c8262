-- Digest: snakes wind through a garden of pillars. Only a head can be hurt;
-- each head that dies hands over to the next element, so the ship cuts a
-- snake down from the front. Touching a snake costs a life, and the snake
-- comes back whole elsewhere (a shielded ship just back from a loss ends it
-- for good): only shooting clears the garden. A longer snake and a shorter
-- par at the highest difficulty.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1800, 2600
START_X, START_Y = 200, 1300
PAR = 60 * 120

levelQuads = frameWallQuads(W, H, 40)
PILLARS = { { 600, 600 }, { 600, 2000 }, { 1200, 1000 }, { 1200, 1600 } }
for _, p in ipairs(PILLARS) do
    appendQuads(levelQuads, obstacleQuads({ p[1] - 60, p[2], p[1], p[2] - 60, p[1] + 60, p[2], p[1], p[2] + 60 }, 40))
end

PLACES = { { 1500, 400, 180 }, { 1500, 2200, 200 }, { 900, 1300, 90 } }
-- Steps after a touch within which the ship's loss is seen.
RAM_WINDOW = 10

-- A snake, its handle and its number of parts kept for the scripted player
-- and the arrow.
function makeSnake(x, y, angle, length)
    local before = zorbix.getSnakeCount()
    snakes[#snakes + 1] = zorbix.newSnake(x, y, angle, length)
    snakeParts[#snakes] = zorbix.getSnakeCount() - before
end

-- A touch that cost the ship a life brings the snake back, as long as it
-- was, at the place farthest from the ship.
function snakesReturn()
    local hits, count = zorbix.getSnakePlayerHit(), zorbix.getSnakeCount()
    if hits > ram.hits then
        ram.at, ram.lost = elapsed, ram.count - count
    end
    ram.hits = hits
    if ram.at ~= nil then
        if player.livesLost > ram.lives then
            local far, best = PLACES[1], -1
            for _, p in ipairs(PLACES) do
                local dd = distance(p[1], p[2], player:getX(), player:getY())
                if dd > best then
                    far, best = p, dd
                end
            end
            makeSnake(far[1], far[2], far[3], maxOf(ram.lost - 1, 1))
            ram.at = nil
            count = zorbix.getSnakeCount()
        elseif elapsed - ram.at > RAM_WINDOW then
            ram.at = nil
        end
    end
    if ram.at == nil then
        ram.lives = player.livesLost
    end
    ram.count = count
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/digest/digestBack.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(START_X, START_Y, 3)
    snakes, snakeParts = {}, {}
    makeSnake(PLACES[1][1], PLACES[1][2], PLACES[1][3], 10 + d / 2)
    -- The arrow points to a snake while none is in sight: to a first head,
    -- the one part with a handle. The head that takes over from a fallen
    -- one has none, and goes its own way: the arrow then hides.
    pointToNearest(function()
        return snakes
    end)
    ram = { hits = 0, count = zorbix.getSnakeCount(), lives = 0, at = nil, lost = 0 }
    playLevel({
        message = "^2Shoot the snakes' heads",
        par = PAR - 1800 * d,
        hud = function()
            return "^7Snake parts: " .. zorbix.getSnakeCount()
        end,
        step = snakesReturn,
        isWon = function()
            return zorbix.getSnakeCount() == 0 and ram.at == nil
        end,
    })
end

-- The scripted player. The game gives the handle of a snake's first head
-- only; every part trails the one ahead of it by FOLLOW steps, so the pilot
-- keeps each snake's track (seen while the first head lives, then reckoned)
-- and knows where its body lies and where a new head sets off. A new head
-- weaves as every head does, but its slow turn is drawn at random: the
-- pilot follows one guess per turn (and per small error in the heading it
-- set off with), plays its own shots against each guess, drops a guess
-- that would have died unseen, and keeps the one that died when the head
-- did. It shoots a head from the side, where the guesses spread along the
-- line of fire, and keeps off every part it reckons.
local FOLLOW = 11
local TRACK = 256
-- How far beside a head the ship shoots from, and off the parts it keeps.
local RANGE, DANGER = 250, 200

-- Whether the point is in the frame or a pillar.
local function inWall(x, y)
    if x < 40 or y < 40 or x > W - 40 or y > H - 40 then
        return true
    end
    for _, p in ipairs(PILLARS) do
        if math.abs(x - p[1]) + math.abs(y - p[2]) < 100 then
            return true
        end
    end
    return false
end

-- One step of a guessed head (places in 1/256 units, angles in thousandths
-- of a degree): its turn, its weave (0.05 radian a step, one radian wide),
-- 5 units ahead, and back from a wall.
local function reckon(h)
    h.heading = (h.heading + h.r * 458) % 360000
    h.phase = h.phase + 2865
    h.a = h.heading + 57296 * math.sin(h.phase / 1000) / 256
    h.x, h.y = h.x + 5 * math.cos(h.a / 1000), h.y + 5 * math.sin(h.a / 1000)
    if inWall(h.x / 256, h.y / 256) then
        h.heading = h.heading + 180000
    end
end

-- Where the guessed head h will be in n steps.
local function ahead(h, n)
    local c = { x = h.x, y = h.y, heading = h.heading, phase = h.phase, r = h.r }
    for _ = 1, n do
        reckon(c)
    end
    return c.x / 256, c.y / 256
end

-- A part that has not yet set off waits where the snake was made.
local function trackAt(s, t)
    return s.track[maxOf(t, 1) % TRACK]
end

-- The guesses for a head setting off at track step t0 (at step t).
local function newGuesses(s, t0, t)
    local p = trackAt(s, t0)
    local a = p[4]
    if a == nil then
        -- The chord over a few steps is along the way at its middle.
        local q, n = trackAt(s, t0 - 4), trackAt(s, t0 + 4)
        a = angleTo(q[1], q[2], n[1], n[2]) * 1000
    end
    s.guesses = {}
    for r = -3, 3 do
        for _, off in ipairs({ -2000, 0, 2000 }) do
            s.guesses[#s.guesses + 1] = { x = p[1] * 256, y = p[2] * 256, heading = a + off, phase = 0, r = r,
                a = a, hits = 0, born = t, history = {}, rank = math.abs(r) * 3 + math.abs(off) / 2000 }
        end
    end
    s.track[t % TRACK] = { p[1], p[2], s.fallen, a }
end

-- The live guess that best explains a head's end (or, with no end seen,
-- the likeliest).
local function bestGuess(s, t)
    local best = nil
    for _, h in ipairs(s.guesses) do
        if h.live ~= false then
            local died = h.diedAt ~= nil and h.diedAt >= t - 4
            local better = best == nil
            if not better then
                local bestDied = best.diedAt ~= nil and best.diedAt >= t - 4
                if died ~= bestDied then
                    better = died
                elseif h.hits ~= best.hits then
                    better = h.hits > best.hits
                else
                    better = h.rank < best.rank
                end
            end
            if better then
                best = h
            end
        end
    end
    return best
end

-- Whether (x, y) is on one of the first parts behind the guessed head h:
-- they shield it from shots.
local function guessBody(s, h, t, x, y)
    for m = 1, minOf(3, s.left - 1) do
        local p = h.history[t - FOLLOW * m] or trackAt(s, t - FOLLOW * m)
        if isWithin(x, y, p[1], p[2], 35) then
            return true
        end
    end
    return false
end

local pilotState = { step = 0, bullets = {}, gunNext = 0, toggle = false }

-- The ship's gun: a volley every 4 steps while the stick is held, a shot
-- every second volley, 3 degrees to the left of the stick. The pilot keeps
-- its own copy of the shots in flight. Passes the sticks on.
local function fire(moveAngle, moveStrength, shootAngle, shootStrength)
    local st = pilotState
    local t = st.step
    if shootStrength > 0 and player:isAlive() and st.gunNext < t then
        if st.toggle then
            local a = shootAngle + 3
            local sx, sy = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
            local vx, vy = 18 * math.cos(a), 18 * math.sin(a)
            st.bullets[#st.bullets + 1] = { x = sx * 256 + vx, y = sy * 256 + vy, vx = vx, vy = vy, born = t, used = {} }
        end
        st.toggle = not st.toggle
        st.gunNext = t + 3
    end
    return moveAngle, moveStrength, shootAngle, shootStrength
end

local function digestPilot()
    local st = pilotState
    st.step = st.step + 1
    local t = st.step
    if st.snakes == nil then
        st.snakes = {}
        st.count = 0
    end
    -- Snakes made since the last step (at the start, or come back).
    for k = #st.snakes + 1, #snakes do
        local track, x, y = {}, zorbix.getEntityX(snakes[k]), zorbix.getEntityY(snakes[k])
        -- Parts that have not set off wait where the snake was made.
        for i = 0, TRACK - 1 do
            track[i] = { x, y, 0, nil, true }
        end
        st.snakes[k] = { handle = snakes[k], left = snakeParts[k], fallen = 0, track = track, seen = true }
        st.count = st.count + snakeParts[k]
    end
    local sx, sy = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    local count = zorbix.getSnakeCount()
    local drop = st.count - count
    st.count = count
    -- Heads seen, heads guessed.
    for _, s in ipairs(st.snakes) do
        if s.left > 0 then
            if s.seen then
                local x, y = zorbix.getEntityX(s.handle), zorbix.getEntityY(s.handle)
                if x ~= 0 or y ~= 0 then
                    s.x, s.y = x, y
                    s.track[t % TRACK] = { x, y, s.fallen, nil, true }
                else
                    s.seen = false
                    s.fell = true
                    s.track[t % TRACK] = trackAt(s, t - 1)
                end
            elseif s.guesses == nil then
                s.track[t % TRACK] = trackAt(s, t - 1)
            else
                local n, cx, cy = 0, 0, 0
                for _, h in ipairs(s.guesses) do
                    if h.live ~= false then
                        reckon(h)
                        h.history[t] = { h.x / 256, h.y / 256, s.fallen, h.a }
                        h.history[t - TRACK] = nil
                        n, cx, cy = n + 1, cx + h.x / 256, cy + h.y / 256
                    end
                end
                s.x, s.y = cx / n, cy / n
                s.track[t % TRACK] = { s.x, s.y, s.fallen }
            end
        end
    end
    -- The ship's own shots, played against every guess.
    local kept = {}
    for _, b in ipairs(st.bullets) do
        if b.born <= t - 2 then
            b.x, b.y = b.x + b.vx, b.y + b.vy
        end
        if t - b.born < 80 and not inWall(b.x / 256, b.y / 256) then
            kept[#kept + 1] = b
            for _, s in ipairs(st.snakes) do
                if s.left > 0 and s.guesses ~= nil and b.born <= t - 2 then
                    for _, h in ipairs(s.guesses) do
                        if h.live ~= false and not b.used[h] and guessBody(s, h, t, b.x / 256, b.y / 256) then
                            b.used[h] = true
                        end
                        if h.live ~= false and not b.used[h] and isWithin(b.x / 256, b.y / 256, h.x / 256, h.y / 256, 35) then
                            b.used[h] = true
                            h.hits = h.hits + 1
                            if h.hits == 4 then
                                h.diedAt = t
                            end
                        end
                    end
                end
            end
        end
    end
    st.bullets = kept
    -- Snake parts gone: a head shot down (the first heads are seen to go,
    -- the others are laid to a guess that died or to the snake under
    -- fire), or a whole snake that touched the ship.
    while drop > 0 do
        local s = nil
        for _, c in ipairs(st.snakes) do
            if c.fell then
                s = c
                c.fell = false
                break
            end
        end
        for _, c in ipairs(st.snakes) do
            if s == nil and c.left > 0 and c.guesses ~= nil then
                local h = bestGuess(c, t)
                if h.diedAt ~= nil and h.diedAt >= t - 4 then
                    s = c
                end
            end
        end
        if s == nil or s.left <= 0 then
            s = st.target
        end
        if s == nil or s.left <= 0 then
            for _, c in ipairs(st.snakes) do
                if c.left > 0 then
                    s = c
                    break
                end
            end
        end
        if s == nil then
            break
        end
        if drop >= s.left and drop > 1 then
            drop = drop - s.left
            s.left = 0
        else
            drop = drop - 1
            if s.guesses ~= nil then
                -- The guess that died is taken as the way the head went.
                local h = bestGuess(s, t)
                for k = h.born, t do
                    if h.history[k] ~= nil then
                        s.track[k % TRACK] = h.history[k]
                    end
                end
            end
            s.left = s.left - 1
            s.fallen = s.fallen + 1
            newGuesses(s, t - FOLLOW, t)
        end
    end
    -- Guesses that died while the head lived on are wrong; when none is
    -- left, they all start over where they are.
    for _, s in ipairs(st.snakes) do
        if s.left > 0 and s.guesses ~= nil then
            local n = 0
            for _, h in ipairs(s.guesses) do
                if h.diedAt ~= nil and h.diedAt < t - 4 then
                    h.live = false
                end
                if h.live ~= false then
                    n = n + 1
                end
            end
            if n == 0 then
                for _, h in ipairs(s.guesses) do
                    h.live, h.hits, h.diedAt = true, 0, nil
                end
            end
        end
    end
    -- Keep off every part reckoned. Part i trails part i - 1 by FOLLOW
    -- steps; the track keeps with each place how many heads had fallen.
    local places = {}
    local function avoid(x, y, seen)
        places[#places + 1] = { x = x, y = y, d = distance(sx, sy, x, y), seen = seen }
    end
    for _, s in ipairs(st.snakes) do
        if s.left > 0 then
            for i = s.fallen, s.fallen + s.left - 1 do
                for m = 0, 40 do
                    local p = trackAt(s, t - FOLLOW * m)
                    if p[3] + m >= i then
                        avoid(p[1], p[2], p[5])
                        break
                    end
                end
            end
            -- And off where the head will be soon.
            if s.seen then
                local last = trackAt(s, t - 1)
                for _, n in ipairs({ 8, 16, 24 }) do
                    avoid(s.x + (s.x - last[1]) * n, s.y + (s.y - last[2]) * n)
                end
            elseif s.guesses ~= nil then
                for _, h in ipairs(s.guesses) do
                    if h.live ~= false then
                        avoid(h.x / 256, h.y / 256)
                    end
                end
                local h = bestGuess(s, t)
                for _, n in ipairs({ 8, 16, 24 }) do
                    avoid(ahead(h, n))
                end
            end
        end
    end
    -- The target: the snake under fire until it is gone, else the nearest.
    -- A head reckoned for long may be lost: a head seen or new is better.
    local function stale(s)
        return s.guesses ~= nil and not s.seen and t - s.guesses[1].born > 150
    end
    if st.target == nil or st.target.left <= 0 or stale(st.target) then
        st.target = nil
        local best = 0
        for _, s in ipairs(st.snakes) do
            if s.left > 0 then
                local d = distance(sx, sy, s.x, s.y)
                if stale(s) then
                    d = d + 3000
                end
                if st.target == nil or d < best then
                    st.target, best = s, d
                end
            end
        end
    end
    local s = st.target
    if s == nil then
        return pilotSticks()
    end
    -- Back from a loss, the shielded ship ends a snake by touching it: it
    -- flies into the nearest part it knows of while the shield lasts.
    local shielded = player:isAlive() and player.shieldLeft > 20
    if shielded then
        local near = nil
        for _, p in ipairs(places) do
            if near == nil or (p.seen and not near.seen) or (p.seen == near.seen and p.d < near.d) then
                near = p
            end
        end
        if near ~= nil and near.d < player.shieldLeft * 8 then
            return fire(pilotSticks(near.x, near.y, near.x, near.y))
        end
    end
    local hx, hy = s.x, s.y
    local back = trackAt(s, t - 4)
    local way = angleTo(back[1], back[2], hx, hy)
    -- Beside the head, on the ship's side of its way.
    local turn = 90
    if normalizeAngle(angleTo(hx, hy, sx, sy) - way) < 0 then
        turn = -90
    end
    -- On the last life the ship keeps further off.
    local range, danger = RANGE, DANGER
    if player.lives <= 1 then
        range, danger = RANGE * 3 / 2, DANGER * 3 / 2
    end
    local gx, gy = pointAt(hx, hy, way + turn, range)
    if inWall(gx, gy) or gx < 150 or gy < 150 or gx > W - 150 or gy > H - 150 then
        gx, gy = pointAt(hx, hy, way - turn, range)
    end
    gx, gy = clamp(gx, 150, W - 150), clamp(gy, 150, H - 150)
    local a = angleTo(sx, sy, gx, gy)
    local w = clamp(distance(sx, sy, gx, gy), 0, 100)
    local vx, vy = scaleBy256(w, math.cos(a)), scaleBy256(w, math.sin(a))
    local px, py = pilotPush(sx, sy, places, danger, W, H, 0)
    vx, vy = vx + 2 * px, vy + 2 * py
    for _, p in ipairs(PILLARS) do
        if isWithin(sx, sy, p[1], p[2], 170) then
            local pa = angleTo(p[1], p[2], sx, sy)
            vx, vy = vx + scaleBy256(60, math.cos(pa)), vy + scaleBy256(60, math.sin(pa))
        end
    end
    -- Shoot where the head will be when the shot (18 a step) gets there.
    local tx, ty = hx, hy
    for _ = 1, 2 do
        local n = distance(sx, sy, tx, ty) / 18
        if s.seen or s.guesses == nil then
            local last = trackAt(s, t - 1)
            tx, ty = hx + (hx - last[1]) * n, hy + (hy - last[2]) * n
        else
            tx, ty = ahead(bestGuess(s, t), n)
        end
    end
    -- The gun fires every second volley, a volley every 4 steps, 3 degrees
    -- to the left of the stick.
    local shootAngle = angleTo(sx, sy, tx, ty)
    return fire(math.atan2(vy, vx), clamp(math.sqrt(vx * vx + vy * vy), 0, 100), shootAngle - 3, 100)
end

levelTest = newLevelTest(
    -- A shielded ship flies into each snake's head: touching it ends the
    -- whole snake.
    function()
        zorbix.setPlayerIsInvincible(true)
        local s = liveHandles(snakes)[1]
        if s ~= nil then
            zorbix.setEntityXY(playerShip, zorbix.getEntityX(s), zorbix.getEntityY(s))
        end
    end,
    digestPilot
)
