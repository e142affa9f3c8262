-- A level for pinned replays: plain Lua and the shared generator only, so that
-- its digest stays the same whatever the actors and the script module become.
local sum = 0

function init()
    sum = math.rand() % 1000
end

function update()
    sum = (sum * 31 + math.rand() % 1000) % 1000003
end
