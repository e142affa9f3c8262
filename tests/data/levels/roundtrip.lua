-- A level for the replay round trip: walls, the player, bursts and a score as
-- far as the script module offers them; every decision draws from the shared
-- generator. It ends itself after 900 steps.
local t = 0
local sum = 0

local function has(name)
    return zorbix ~= nil and zorbix[name] ~= nil
end

function init()
    sum = math.rand() % 1000
    if has("setMapBoundaries") then zorbix.setMapBoundaries(2000, 1500) end
    if has("newCollisionQuad") then
        zorbix.newCollisionQuad(0, 0, 2000, 0, 2000, 40, 0, 40)
        zorbix.newCollisionQuad(0, 1460, 2000, 1460, 2000, 1500, 0, 1500)
    end
    if has("newPlayer") then zorbix.newPlayer(1000, 750) end
end

function update()
    t = t + 1
    sum = (sum * 31 + math.rand() % 1000) % 1000003
    if has("newExplosion") and t % 17 == 0 then
        zorbix.newExplosion(200 + math.rand() % 1600, 100 + math.rand() % 1300, math.rand() % 5, 20)
    end
    if has("setScore") then zorbix.setScore(sum % 10000) end
    if has("setGameIsFinished") and t == 900 then zorbix.setGameIsFinished(true) end
end
