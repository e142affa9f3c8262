-- A level for the replay round trip: a walled arena, the player, up to 20
-- enemies that come and die, bursts and a score, as far as the script module offers them;
-- every decision draws from the shared generator. It ends itself after 900 steps.
local t = 0
local sum = 0

local function has(name)
    return zorbix ~= nil and zorbix[name] ~= nil
end

local function enemies()
    local n = 0
    for _, count in ipairs({"getSuciderCount", "getSpinyCount", "getPlannerCount"}) do
        if has(count) then n = n + zorbix[count]() end
    end
    return n
end

local function somewhere()
    return 250 + math.rand() % 1500, 250 + math.rand() % 1000
end

function init()
    sum = math.rand() % 1000
    if has("setMapBoundaries") then zorbix.setMapBoundaries(2000, 1500) end
    if has("newCollisionQuad") then
        -- The first side of a wall is the one that faces the arena.
        zorbix.newCollisionQuad(0, 150, 2000, 150, 2000, 0, 0, 0)
        zorbix.newCollisionQuad(2000, 1350, 0, 1350, 0, 1500, 2000, 1500)
        zorbix.newCollisionQuad(150, 1500, 150, 0, 0, 0, 0, 1500)
        zorbix.newCollisionQuad(1850, 0, 1850, 1500, 2000, 1500, 2000, 0)
    end
    if has("newPlayer") then zorbix.newPlayer(1000, 750) end
    if has("setPlayerShootMode") then zorbix.setPlayerShootMode(2) end
end

function update()
    t = t + 1
    sum = (sum * 31 + math.rand() % 1000) % 1000003
    if t % 40 == 0 and enemies() < 20 then
        local x, y = somewhere()
        local kind = math.rand() % 3
        if kind == 0 and has("newSucider") then zorbix.newSucider(x, y)
        elseif kind == 1 and has("newSpiny") then zorbix.newSpiny(x, y)
        elseif has("newPlanner") then zorbix.newPlanner(x, y) end
    end
    if has("newExplosion") and t % 17 == 0 then
        local x, y = somewhere()
        zorbix.newExplosion(x, y, math.rand() % 5, 20)
    end
    if has("setScore") then zorbix.setScore(sum % 10000) end
    if has("setGameIsFinished") and t == 900 then zorbix.setGameIsFinished(true) end
end
