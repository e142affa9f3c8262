-- The timed enemy waves of the asteroid field: every EVENT_STEPS steps the
-- next event of the list, and after the last one the list again with one
-- more enemy in each. Enemies come in from the edges, away from the ship.
require "/data/functions/getRandomCoord"

local EVENT_STEPS = 1200

local events = {
    { make = function(x, y) return zorbix.newSucider(x, y, 0, 0) end, count = 3 },
    { make = function(x, y) return zorbix.newHelicopter(x, y) end, count = 1 },
    { make = function(x, y) return zorbix.newDodger(x, y) end, count = 2 },
    { make = function(x, y) return zorbix.newSucider(x, y, 0, 1) end, count = 1 },
    { make = function(x, y) return zorbix.newSpiny(x, y) end, count = 4 },
}

-- enemies: the handles of the enemies made, for the scripted player.
Events = { stepsLeft = EVENT_STEPS, next = 1, round = 0, enemies = {} }

function Events.reset()
    Events.stepsLeft = EVENT_STEPS
    Events.next = 1
    Events.round = 0
end

-- Counts one step inside a field of the given size; starts the next event
-- when its time has come.
function Events.step(width, height)
    Events.stepsLeft = Events.stepsLeft - 1
    if Events.stepsLeft > 0 then
        return
    end
    Events.stepsLeft = EVENT_STEPS
    local e = events[Events.next]
    for k = 1, e.count + Events.round do
        local x, y = getRandomCoord(100, 100, width - 100, height - 100, 800)
        keepHandle(Events.enemies, e.make(x, y))
    end
    Events.next = Events.next + 1
    if Events.next > #events then
        Events.next = 1
        Events.round = Events.round + 1
    end
end
