// The shared nearest-handle walks: whatever handles they pass over without
// reading their distance, they find what reading every one finds.
#include <gtest/gtest.h>

#include "ScriptTestState.h"

// A stand-in module over a world of objects placed in quarters of a unit:
// readers truncate as the native ones do, a gone handle reads (0, 0), and
// distances are measured from the player, which may sit up to a unit away
// from the ship the scripts know.
static const char* const world = R"(
    objects = {}
    player = { X = 0, Y = 0 }
    local function trunc(v) return v / 4 end
    local function live(h) return objects[h] ~= nil and not objects[h].gone end
    zorbix = {
        getEntityX = function(h) if live(h) then return trunc(objects[h].X) end return 0 end,
        getEntityY = function(h) if live(h) then return trunc(objects[h].Y) end return 0 end,
        getEntitySqrDistanceFromPlayer = function(h)
            if not live(h) then return 0 end
            local dx, dy = objects[h].X - player.X, objects[h].Y - player.Y
            return (dx * dx + dy * dy) / 16
        end,
    }
    require "/data/functions/commonScriptFunctions"

    local seed = 12345
    local function next15()
        seed = (seed * 75 + 74) % 65537
        return seed % 32768
    end
    function rand(n)
        return (next15() * 32768 + next15()) % n
    end
    function place(h, X, Y) objects[h] = { X = X, Y = Y } end

    -- What a walk reading every handle finds in lists, in order.
    function bruteNearest(lists)
        local best, bestD = nil, 0
        for _, list in ipairs(lists) do
            for _, h in ipairs(list) do
                local o = objects[h]
                if live(h) and (trunc(o.X) ~= 0 or trunc(o.Y) ~= 0) then
                    local d = zorbix.getEntitySqrDistanceFromPlayer(h)
                    if best == nil or d < bestD then best, bestD = h, d end
                end
            end
        end
        return best, bestD
    end
)";

// Random layouts, many of them with objects lined up near the ship's x (where
// a too narrow window would pass over the nearest), gone objects and objects
// at the origin among them, the ship a fraction of a unit off the player.
TEST(NearestHandleScript, FindsWhatReadingEveryHandleFinds) {
    ScriptTestState s;
    ASSERT_EQ(s.run(world), "");
    ASSERT_EQ(s.run(R"(
        mismatches = {}
        for round = 1, 400 do
            objects = {}
            local span = ({ 40, 400, 4000 })[1 + round % 3] * 4
            player.X, player.Y = rand(span) + 400, rand(span) + 400
            playerShip = 'ship'
            place('ship', player.X + rand(4), player.Y + rand(4))
            if round % 7 == 0 then playerShip = nil end
            local lists, names = {}, 0
            for l = 1, 1 + rand(3) do
                local list = {}
                for k = 1, rand(30) do
                    names = names + 1
                    local h = 'h' .. names
                    if rand(3) == 0 then
                        place(h, player.X + rand(16) - 8, rand(span))
                    else
                        place(h, rand(span), rand(span))
                    end
                    if rand(8) == 0 then objects[h].gone = true end
                    if rand(40) == 0 then place(h, rand(4), rand(4)) end
                    list[#list + 1] = h
                end
                lists[#lists + 1] = list
            end
            local want, wantD = bruteNearest(lists)
            local got, gotD = nearestHandleOfLists(lists)
            local one, x, y, oneD = nearestHandle(lists[1])
            local wantOne, wantOneD = bruteNearest({ lists[1] })
            if got ~= want or gotD ~= wantD or one ~= wantOne or oneD ~= wantOneD then
                mismatches[#mismatches + 1] = round
            elseif one ~= nil and (x ~= zorbix.getEntityX(one) or y ~= zorbix.getEntityY(one)) then
                mismatches[#mismatches + 1] = round
            end
        end
    )"),
              "");
    EXPECT_EQ(s.eval("table.concat(mismatches, ' ')"), "");
}

// Dropping gone handles keeps the others in their order and leaves no hole,
// and the walk stops at the first hole as ipairs does.
TEST(NearestHandleScript, DropsGoneHandlesInOrderAndStopsAtAHole) {
    ScriptTestState s;
    ASSERT_EQ(s.run(world), "");
    ASSERT_EQ(s.run(R"(
        playerShip = 'ship'
        place('ship', 400, 400)
        for k, X in ipairs({ 800, 1200, 1600, 2000, 2400 }) do place('h' .. k, X, 400) end
        objects.h1.gone, objects.h4.gone = true, true
        list = { 'h1', 'h2', 'h3', 'h4', 'h5' }
        first = nearestHandleOfLists({ list }, true)
        holed = { 'h5', nil, 'h2' }
        second = nearestHandle(holed)
    )"),
              "");
    EXPECT_EQ(s.eval("table.concat(list, ' ') .. ' #' .. #list"), "h2 h3 h5 #3");
    EXPECT_EQ(s.eval("first"), "h2");
    EXPECT_EQ(s.eval("second"), "h5");
}

// The tightest case the window must keep: the ship a fraction of a unit past
// the player, and a nearer object whose truncated x is farther from the
// ship's than the root of the best distance so far.
TEST(NearestHandleScript, KeepsANearerHandleAtTheEdgeOfTheWindow) {
    ScriptTestState s;
    ASSERT_EQ(s.run(world), "");
    ASSERT_EQ(s.run(R"(
        player.X, player.Y = 1601, 1601
        playerShip = 'ship'
        place('ship', 1604, 1601)
        place('up', 1601, 2001)
        place('left', 1203, 1601)
        found, d = nearestHandleOfLists({ { 'up', 'left' } })
        single = nearestHandle({ 'up', 'left' })
    )"),
              "");
    EXPECT_EQ(s.eval("found .. ' ' .. d .. ' ' .. single"), "left 9900 left");
}
