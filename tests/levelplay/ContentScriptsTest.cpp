// The shared entity classes and function files of the level scripts, run
// against a small stand-in world of the script module: positions, hit
// counters, the score and the end of the game.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>
#include <set>
#include <string>

#include "ScriptTestState.h"
#include "core/Game.h"
#include "script/LuaScriptList.h"

namespace {

// A stand-in for the script module: handles are tables with a kind and a
// position; every call is counted in `count[name]`, unknown calls do nothing.
const char* const kStandIn = R"(
    real = {}
    count = {}
    made = {}
    score, finished = 0, false
    hits, ship = 0, nil
    local function entity(kind, x, y) local e = {kind = kind, x = x, y = y, hits = 0} made[#made + 1] = e return e end
    real.newLuaEntity = function(x, y) return entity('lua', x, y) end
    real.newPlayer = function(x, y) ship = entity('player', x, y) return ship end
    real.newHardDisk = function(x, y, r) return entity('disk', x, y) end
    real.newBadBullet = function(x, y, a) local b = entity('bullet', x, y) b.angle = a return b end
    real.newCollisionQuad = function(...) return {kind = 'quad', corners = {...}} end
    real.newCollisionQuadWithFlag = real.newCollisionQuad
    real.newCollisionDisk = function(x, y, r) return {kind = 'disk wall', x = x, y = y, r = r} end
    real.getEntityX = function(e) return e.x end
    real.getEntityY = function(e) return e.y end
    real.setEntityXY = function(e, x, y) e.x, e.y = x, y end
    real.setEntityDestroy = function(e) e.destroyed = true end
    real.getEntityTextWidth = function(e) return 100 end
    real.getHardDiskHitCount = function(e) return e.hits end
    real.getPlayerNumberOfCollisions = function() return hits end
    real.setPlayerNumberOfCollisions = function(n) hits = n end
    real.setPlayerColor = function(r, g, b) shipColor = r .. ',' .. g .. ',' .. b end
    real.setPlayerRemoveCustomColor = function() shipColor = 'own' end
    real.setPlayerCanMove = function(v) canMove = v end
    real.setPlayerIsInvincible = function(v) invincible = v end
    real.setPlayerShootType = function(t) shootType = t end
    real.setPlayerAlly = function(x, y) ally = entity('ally', x, y) end
    real.getPlayerAlly = function() return ally end
    real.setScore = function(n) score = n end
    real.setGameIsFinished = function(v) finished = v end
    real.getDifficultyLevel = function() return 0 end
    zorbix = setmetatable({}, {__index = function(_, name)
        return function(...)
            count[name] = (count[name] or 0) + 1
            if real[name] then return real[name](...) end
        end
    end})
    function advance(n) for i = 1, n do update() end end
    function kinds(kind) local n = 0 for _, e in ipairs(made) do if e.kind == kind and not e.destroyed then n = n + 1 end end return n end
)";

// The ship at (500, 500), with the distances from it that the stand-in world
// measures for the arrow and the pilots.
const char* const kShipAt500 = R"(
    real.getEntitySqrDistanceFromPlayer = function(e)
        local dx, dy = e.x - ship.x, e.y - ship.y
        return dx * dx + dy * dy
    end
    require('/data/entities/Player')
    Player.new(500, 500, 3)
)";

class ContentScripts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(s.run(kStandIn), "");
        savedGenerator = Game::mtRand;
    }
    void TearDown() override { Game::mtRand = savedGenerator; }

    ScriptTestState s;
    MersenneTwister savedGenerator;
};

}  // namespace

TEST_F(ContentScripts, EveryEntityAndFunctionFileLoadsFromTheStore) {
    const char* const files[] = {
        "Arrow",  "Boxes", "Boxes2Players", "Cannon", "CirculatingGoal", "Paragraph", "Player",
        "Pulsar", "Ring",  "SolidDisk",     "Spot",   "UpdateHUD",       "Wall",
    };
    for (const char* f : files) {
        EXPECT_TRUE(LuaScriptList::getInstance()->fileExist(std::string("/data/entities/") + f + ".lua")) << f;
        EXPECT_EQ(s.run(std::string("require('/data/entities/") + f + "')"), "") << f;
        EXPECT_EQ(s.eval(std::string("getmetatable(") + f + ").__index == LuaEntity or getmetatable(" + f +
                         ").__index == Boxes"),
                  "true")
            << f;
    }
    for (const char* f : {"commonScriptFunctions", "createAdvancedQuadGeometry", "createMessage", "examples",
                          "getRandomCoord", "infinityFunctions", "pilotFunctions"})
        EXPECT_EQ(s.run(std::string("require('/data/functions/") + f + "')"), "") << f;
}

TEST_F(ContentScripts, IntegerHelpers) {
    ASSERT_EQ(s.run("require('/data/functions/commonScriptFunctions')"), "");
    struct Case {
        const char* expression;
        const char* value;
    } cases[] = {
        {"clamp(-5, 0, 10) .. clamp(5, 0, 10) .. clamp(50, 0, 10)", "0510"},
        {"sqrDistance(0, 0, 3, 4) .. ' ' .. distance(1, 1, 4, 5)", "25 5"},
        {"isWithin(3, 4, 0, 0, 5) and not isWithin(3, 5, 0, 0, 5)", "true"},
        {"angleTo(0, 0, 10, 0) .. ' ' .. angleTo(0, 0, 0, 10) .. ' ' .. angleTo(0, 0, -10, 0)", "0 90 180"},
        {"normalizeAngle(190) .. ' ' .. normalizeAngle(-190) .. ' ' .. normalizeAngle(720)", "-170 170 0"},
        {"table.concat({pointAt(100, 100, 90, 50)}, ',') .. ' ' .. table.concat({pointAt(0, 0, 180, 50)}, ',')",
         "100,150 -50,0"},
        {"formatSteps(0) .. ' ' .. formatSteps(60 * 75) .. ' ' .. formatSteps(60 * 605)", "0:00 1:15 10:05"},
        {"sign(-3) .. sign(0) .. sign(7)", "-101"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.eval(c.expression), c.value) << c.expression;

    // A one-shot timer fires once on its last step; a repeating one every period.
    ASSERT_EQ(
        s.run("a, b = newTimer(3), newTimer(2, true) fa, fb = '', '' "
              "for i = 1, 6 do fa = fa .. (tickTimer(a) and 'x' or '.') fb = fb .. (tickTimer(b) and 'x' or '.') end"),
        "");
    EXPECT_EQ(s.eval("fa .. ' ' .. fb .. ' ' .. tostring(timerIsDone(a))"), "..x... .x.x.x true");

    // A win keeps at least 1 point, a loss ends with 0.
    EXPECT_EQ(s.run("finishLevel(true, 0)"), "");
    EXPECT_EQ(s.eval("score .. tostring(finished)"), "1true");
    EXPECT_EQ(s.run("finished = false finishLevel(false, 500)"), "");
    EXPECT_EQ(s.eval("score .. tostring(finished)"), "0true");
}

// The quads the geometry file makes: convex, corners in order, side 1 toward
// the play area (the play point lies beyond side 1, on the far side from the
// quad's centre).
TEST_F(ContentScripts, QuadsAreConvexWithTheirFirstSideTowardThePlayArea) {
    ASSERT_EQ(s.run(R"(
        require('/data/functions/createAdvancedQuadGeometry')
        function beyondFirstSide(q, px, py)
            local cx, cy = (q[1] + q[3] + q[5] + q[7]) / 4, (q[2] + q[4] + q[6] + q[8]) / 4
            local function t(x, y) return (q[3] - q[1]) * (y - q[2]) - (q[4] - q[2]) * (x - q[1]) end
            return sign(t(px, py)) == -sign(t(cx, cy)) and t(cx, cy) ~= 0
        end
        function check(q, px, py)
            return isConvexQuad(q) and beyondFirstSide(q, px, py)
        end
    )"),
              "");
    // Corners given in a crossing order are put in order.
    EXPECT_EQ(s.eval("isConvexQuad({0, 0, 10, 10, 10, 0, 0, 10})"), "false");
    EXPECT_EQ(s.eval("isConvexQuad(orderQuadCorners({0, 0, 10, 10, 10, 0, 0, 10}))"), "true");
    EXPECT_EQ(s.eval("isConvexQuad({0, 0, 10, 0, 20, 0, 5, 0})"), "false");   // no area
    EXPECT_EQ(s.eval("isConvexQuad({0, 0, 10, 0, 10, 10, 5, 2})"), "false");  // dented
    struct Case {
        const char* corners;
        int px, py;
    } cases[] = {
        {"{0, 0, 100, 0, 100, 20, 0, 20}", 50, 300},
        {"{100, 20, 0, 0, 0, 20, 100, 0}", 50, -300},
        {"{0, 0, 100, 0, 100, 20, 0, 20}", 500, 10},
        {"{0, 0, 60, 10, 80, 70, 10, 50}", -200, 30},
    };
    for (const Case& c : cases) {
        std::string call =
            std::string("newWallQuad(") + c.corners + ", " + std::to_string(c.px) + ", " + std::to_string(c.py) + ")";
        EXPECT_EQ(s.run("local shape, q = " + call + " made = q"), "") << call;
        EXPECT_EQ(s.eval("check(made, " + std::to_string(c.px) + ", " + std::to_string(c.py) + ")"), "true") << call;
        EXPECT_EQ(s.eval("made[1] + made[2] .. ' ' .. table.concat(made, ' ')"),
                  s.eval("made[1] + made[2] .. ' ' .. table.concat(made, ' ')"));
    }
    EXPECT_NE(s.run("newWallQuad({0, 0, 10, 0, 20, 0, 30, 0}, 5, 5)"), "");

    // The frame: four walls inside the level, each facing its centre.
    ASSERT_EQ(s.run("count = {} walls = createFrameWalls(2000, 1000, 40)"), "");
    EXPECT_EQ(s.eval("#walls .. ' ' .. count.newCollisionQuad"), "4 4");
    EXPECT_EQ(s.eval("(function() for _, w in ipairs(walls) do local q = w.corners "
                     "for k = 1, 8, 2 do if q[k] < 0 or q[k] > 2000 or q[k + 1] < 0 or q[k + 1] > 1000 then return "
                     "false end end "
                     "if not check(q, 1000, 500) then return false end end return true end)()"),
              "true");

    // Bands along outlines, both ways round, for a room and for an obstacle:
    // side 1 is the outline's side and the band lies away from the play area.
    const char* outlines[] = {"{0, 0, 400, 0, 400, 300, 0, 300}", "{0, 0, 0, 300, 400, 300, 400, 0}",
                              "{0, 0, 400, 0, 200, 300}"};
    for (const char* outline : outlines) {
        for (bool inside : {true, false}) {
            std::string code =
                std::string("o = ") + outline + " quads = outlineToQuads(o, 30, " + (inside ? "true" : "false") + ")";
            ASSERT_EQ(s.run(code), "") << code;
            // A point of the play area near the middle of each side.
            EXPECT_EQ(s.eval("(function() local cx, cy = 0, 0 local n = #o / 2 "
                             "for k = 1, #o, 2 do cx, cy = cx + o[k] / n, cy + o[k + 1] / n end "
                             "for _, q in ipairs(quads) do local mx, my = (q[1] + q[3]) / 2, (q[2] + q[4]) / 2 "
                             "local px, py = mx + sign(cx - mx) * 5, my + sign(cy - my) * 5 " +
                             std::string(inside ? "" : "px, py = mx - sign(cx - mx) * 5, my - sign(cy - my) * 5 ") +
                             "if not check(q, px, py) then return false end end return #quads == n end)()"),
                      "true")
                << code;
        }
    }
}

TEST_F(ContentScripts, PlayerLosesLivesAndComesBackUntilTheGameIsOver) {
    ASSERT_EQ(s.run("require('/data/entities/Player') p = Player.new(100, 200, 2)"), "");
    EXPECT_EQ(s.eval("playerShip == ship and p.lives == 2 and count.newPlayer == 1"), "true");
    ASSERT_EQ(s.run("advance(10) hits = 1 advance(1)"), "");
    EXPECT_EQ(s.eval("p.lives .. tostring(p:isAlive()) .. shipColor .. tostring(canMove) .. tostring(invincible) "
                     ".. hits .. count.newPlayerExplosion"),
              "1false0,0,0falsetrue01");
    // Hits while the ship is away or shielded cost nothing.
    ASSERT_EQ(s.run("for i = 1, 119 do hits = 1 update() end"), "");
    EXPECT_EQ(s.eval("tostring(p:isAlive())"), "false");
    ASSERT_EQ(s.run("hits = 1 update()"), "");
    EXPECT_EQ(s.eval("p.lives .. tostring(p:isAlive()) .. tostring(canMove) .. tostring(invincible)"), "1truetruetrue");
    ASSERT_EQ(s.run("for i = 1, 149 do hits = 1 update() end"), "");
    EXPECT_EQ(s.eval("p.lives .. tostring(p:isAlive()) .. shipColor .. tostring(invincible)"), "1trueowntrue");
    ASSERT_EQ(s.run("hits = 0 update()"), "");
    EXPECT_EQ(s.eval("tostring(invincible) .. tostring(finished)"), "falsefalse");
    // The last life: game over after the pause, with score 0.
    ASSERT_EQ(s.run("score = 70 hits = 2 update() advance(119)"), "");
    EXPECT_EQ(s.eval("tostring(finished) .. tostring(p.gameOver)"), "falsefalse");
    ASSERT_EQ(s.run("advance(1)"), "");
    EXPECT_EQ(s.eval("score .. tostring(finished) .. tostring(p.gameOver) .. p.lives"), "0truetrue0");
    ASSERT_EQ(s.run("advance(200)"), "");
    EXPECT_EQ(s.eval("count.newPlayerExplosion .. count.setGameIsFinished"), "21");
    // A colour from a pulsar survives a loss.
    ASSERT_EQ(s.run("q = Player.new(0, 0, 5) q:setShipColor(1, 2, 3) q:loseLife() for i = 1, 300 do update() end"), "");
    EXPECT_EQ(s.eval("shipColor .. ' ' .. q.lives"), "1,2,3 4");
    // Using up the lives, alive or between a loss and the return.
    ASSERT_EQ(s.run("finished = false q:useUpLives() advance(120)"), "");
    EXPECT_EQ(s.eval("tostring(finished) .. q.lives"), "true0");
    ASSERT_EQ(s.run("finished = false r = Player.new(0, 0, 3) r:loseLife() advance(5) r:useUpLives() advance(120)"),
              "");
    EXPECT_EQ(s.eval("tostring(finished) .. r.lives .. tostring(r:isAlive())"), "true0false");
}

TEST_F(ContentScripts, PickUpsGoalsAndCannons) {
    ASSERT_EQ(s.run(R"(
        for _, f in ipairs({'Boxes2Players', 'Cannon', 'CirculatingGoal', 'Pulsar', 'Ring', 'Spot', 'Arrow'}) do
            require('/data/entities/' .. f)
        end
        p = Player.new(0, 0, 3)
        boxes = Boxes.new() boxes:add(500, 500) boxes:add(900, 500)
        taken = 0 boxes.onCollect = function() taken = taken + 1 end
        advance(2)
        ship.x, ship.y = 520, 480 advance(1)
    )"),
              "");
    EXPECT_EQ(s.eval("boxes.collected .. boxes:remaining() .. taken"), "111");
    // The ally takes boxes of the two-ship collection.
    ASSERT_EQ(s.run("b2 = Boxes2Players.new() b2:add(50, 900) ship.x = 2000 advance(1) "
                    "p:setAlly(60, 890) advance(1)"),
              "");
    EXPECT_EQ(s.eval("b2.collected .. b2:remaining()"), "10");

    // A cannon aims at the ship, fires now and then, and blows up on its last hit.
    ASSERT_EQ(s.run("ship.x, ship.y = 1000, 500 c = Cannon.new(1000, 100, 3, 20) gone = 0 "
                    "c.onDestroyed = function() gone = gone + 1 end advance(60)"),
              "");
    EXPECT_EQ(s.eval("c.angle .. ' ' .. tostring(kinds('bullet') >= 2) .. ' ' .. Cannon.alive"), "90 true 1");
    ASSERT_EQ(s.run("c.disk.hits = 3 advance(2)"), "");
    EXPECT_EQ(s.eval("gone .. Cannon.alive .. tostring(c.disk.destroyed) .. c:hits()"), "10true3");

    // Goals: a moving goal, a spot held for a while, a ring, a pulsar.
    ASSERT_EQ(s.run("g = CirculatingGoal.new(0, 0, 300, 2, 0) advance(44) ship.x, ship.y = g.x, g.y advance(1)"), "");
    EXPECT_EQ(s.eval("tostring(g.reached)"), "true");
    ASSERT_EQ(s.run("spot = Spot.new(2000, 2000, 60, 10) ship.x, ship.y = 2030, 2000 advance(9)"), "");
    EXPECT_EQ(s.eval("tostring(spot.reached)"), "false");
    ASSERT_EQ(s.run("advance(1)"), "");
    EXPECT_EQ(s.eval("tostring(spot.reached)"), "true");
    ASSERT_EQ(s.run("r = Ring.new(3000, 3000, 100) ship.x, ship.y = 3060, 3000 advance(1) a = tostring(r.isPassed) "
                    "ship.x = 3040 advance(1)"),
              "");
    EXPECT_EQ(s.eval("a .. tostring(r.isPassed) .. Ring.passed"), "falsetrue1");
    ASSERT_EQ(s.run("pu = Pulsar.new(4000, 4000, 20, 80, 255, 2) ship.x, ship.y = 4000, 4010 advance(1)"), "");
    EXPECT_EQ(s.eval("shipColor .. ' ' .. shootType .. tostring(Pulsar.current == pu)"), "20,80,255 2true");

    // The arrow points from the ship to a far target and hides near it.
    ASSERT_EQ(s.run("ar = Arrow.new() ar:setTarget(4000, 5000) advance(1)"), "");
    EXPECT_EQ(s.eval("ar.angle == nil and ar.x .. ',' .. ar.y .. tostring(ar.hidden)"), "4000,4100false");
    ASSERT_EQ(s.run("ar:setTarget(4100, 4010) advance(1)"), "");
    EXPECT_EQ(s.eval("tostring(ar.hidden)"), "true");
}

TEST_F(ContentScripts, SharedArrowFollowsTheNearestLiveEnemyAndLetsTheGoneOnesGo) {
    // The arrow stands 90 from the ship at (500, 500), toward its target. A
    // handle that read (0, 0) and then reads a place again stands for a new
    // object made where a gone one was: the arrow never takes it for the
    // enemy.
    ASSERT_EQ(s.run(kShipAt500), "");
    ASSERT_EQ(s.run(R"(
        far, near = {x = 3500, y = 500}, {x = 500, y = 1500}
        list = {far, near}
        pointToNearest(function() return list end)
        function look() advance(2) return arrow.hidden and 'hidden' or arrow.x .. ',' .. arrow.y end
    )"),
              "");
    struct Case {
        const char* change;
        const char* seen;
    } cases[] = {
        {"", "500,590"},
        // The nearest gone: the other.
        {"near.x, near.y = 0, 0", "590,500"},
        {"near.x, near.y = 500, 1000", "590,500"},
        // None left: nowhere.
        {"far.x, far.y = 0, 0", "hidden"},
        // One the level adds later is taken in.
        {"list[#list + 1] = {x = 500, y = -1500}", "500,410"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(s.run(c.change), "") << c.change;
        EXPECT_EQ(s.eval("look()"), c.seen) << c.change;
    }
    // The level's own list is left as it is.
    EXPECT_EQ(s.eval("#list"), "3");
    // A target that goes between its choice and the arrow's step reads at
    // (0, 0): the arrow hides rather than point there, and lets it go.
    ASSERT_EQ(s.run("gone = {x = 500, y = 1500} arrow:setTargetEntity(gone) arrow:update()"), "");
    EXPECT_EQ(s.eval("arrow.hidden and 'hidden' or arrow.x .. ',' .. arrow.y"), "500,590");
    ASSERT_EQ(s.run("gone.x, gone.y = 0, 0 arrow:update() gone.x, gone.y = 500, 1500 arrow:update()"), "");
    EXPECT_EQ(s.eval("arrow.hidden and 'hidden' or arrow.x .. ',' .. arrow.y"), "hidden");
}

TEST_F(ContentScripts, EveryHandleGoneAtTheShipIsToldOnceWhenACallAddsToTheList) {
    // 31 kept handles, two of them last seen beside the ship; both go in one
    // step, and each call adds a handle to the list. A handle told gone
    // leaves the list: when a new object made where a third one was goes
    // beside the ship in turn, it is not told.
    ASSERT_EQ(s.run(R"(
        require('/data/functions/commonScriptFunctions')
        playerShip = {x = 500, y = 500}
        list, seen, told = {}, {}, 0
        for k = 1, 29 do keepHandle(list, {x = 2000 + k, y = 2000}) end
        a = keepHandle(list, {x = 520, y = 500})
        b = keepHandle(list, {x = 500, y = 530})
        local function watch()
            handlesGoneAtShip(list, seen, 90, function()
                told = told + 1
                keepHandle(list, {x = 3000, y = 3000})
            end)
        end
        watch()
        a.x, a.y, b.x, b.y = 0, 0, 0, 0
        watch()
        watch()
        c = keepHandle(list, {x = 540, y = 500})
        watch()
        c.x, c.y = 0, 0
        watch()
        c.x, c.y = 510, 500
        watch()
        c.x, c.y = 0, 0
        watch()
    )"),
              "");
    EXPECT_EQ(s.eval("told"), "3");
    EXPECT_EQ(s.eval("#list"), "32");
}

TEST_F(ContentScripts, EachObjectIsHeardOnceNearTheShipAndAGoneOneNever) {
    // From the ship at (500, 500): one near from the start, one that comes
    // near later, and one that goes unheard, after which a new object made
    // where it was comes near: it is not taken for the one that went.
    ASSERT_EQ(s.run(kShipAt500), "");
    ASSERT_EQ(s.run(R"(
        heard = {}
        real.playSound = function(name, x, y) heard[#heard + 1] = name .. '@' .. x .. ',' .. y end
        near, later, gone = {x = 600, y = 500}, {x = 2000, y = 500}, {x = 500, y = 2500}
        local hear = soundOnceNear({near, later, gone}, 300, 'rotor')
        hear() hear()
        later.x = 700
        gone.x, gone.y = 0, 0
        hear()
        gone.x, gone.y = 500, 600
        hear() hear()
    )"),
              "");
    EXPECT_EQ(s.eval("table.concat(heard, ' ')"), "rotor@600,500 rotor@700,500");
}

TEST_F(ContentScripts, KeepingAHandleReadsNoneOfTheList) {
    // A kept list is read only by the walks that drop its gone handles as
    // they find them: keeping a handle reads none, however long the list,
    // since one gone long ago may name a new object.
    ASSERT_EQ(s.run("require('/data/functions/commonScriptFunctions') list = {} "
                    "for k = 1, 100 do keepHandle(list, {x = k, y = k}) end"),
              "");
    EXPECT_EQ(s.eval("tostring(count.getEntityX) .. ' ' .. #list"), "nil 100");
}

TEST_F(ContentScripts, PilotsAndTestHooksLetTheGoneHandlesGo) {
    // From the ship at (500, 500), a far enemy and a near one; the near one
    // goes, and a new object is made where it was, nearer still: what each
    // reader of the list makes of it then. scenario(reader) makes the
    // reader of a list and calls it at each stage.
    ASSERT_EQ(s.run(kShipAt500), "");
    ASSERT_EQ(s.run(R"(
        require('/data/functions/pilotFunctions')
        elapsed = 0
        function scenario(reader)
            far, near = {x = 3500, y = 500}, {x = 500, y = 1500}
            local read = reader({far, near})
            read()
            near.x, near.y = 0, 0
            read()
            near.x, near.y, near.destroyed = 500, 700, nil
            return read()
        end
    )"),
              "");
    struct Case {
        const char* reader;
        const char* result;
    } cases[] = {
        // The angle of the shots: toward the far one.
        {"function(l) return function() return select(3, pilotOrbitNearest(l, 300, 30)) end end", "0"},
        {"function(l) return newBurstPilot(function() return l end, 0, function(e) return e == far and 'far' end) end",
         "far"},
        {"function(l) return function() destroyHandles(l) return tostring(near.destroyed) end end", "nil"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.eval(std::string("scenario(") + c.reader + ")"), c.result) << c.reader;
}

TEST_F(ContentScripts, ExampleLevelPlaysToAWinAndToALoss) {
    for (const char* hook : {"win", "lose"}) {
        ScriptTestState level;
        ASSERT_EQ(level.run(kStandIn), "");
        ASSERT_EQ(level.run("require('/data/functions/examples') init()"), "");
        EXPECT_EQ(level.eval("count.newPlayer .. count.setMapBoundaries .. tostring(count.setScore)"), "11nil");
        ASSERT_EQ(level.run("advance(5) levelTest." + std::string(hook) + "() for i = 1, 400 do update() end"), "");
        EXPECT_EQ(level.eval("tostring(finished) .. ' ' .. tostring(score > 0)"),
                  std::string("true ") + (std::string(hook) == "win" ? "true" : "false"))
            << hook;
    }
}

TEST_F(ContentScripts, RandomCoordinatesAvoidTheShipAndTakenZonesAndRepeat) {
    ASSERT_EQ(s.run("require('/data/functions/getRandomCoord') require('/data/entities/Player') "
                    "Player.new(500, 500, 1) addTakenBox(0, 0, 1000, 300) addTakenDisk(800, 800, 150)"),
              "");
    Game::mtRand.seed(7);
    ASSERT_EQ(s.run("ok, pts = true, {} for i = 1, 200 do local x, y = getRandomCoord(0, 0, 1000, 1000, 300) "
                    "pts[#pts + 1] = x .. ',' .. y "
                    "if isCoordTaken(x, y) or distance(x, y, 500, 500) < 300 or x < 0 or x > 1000 or y < 0 or y > 1000 "
                    "then ok = false end end first = table.concat(pts, ' ')"),
              "");
    EXPECT_EQ(s.eval("ok"), "true");
    Game::mtRand.seed(7);
    ASSERT_EQ(s.run("pts = {} for i = 1, 200 do local x, y = getRandomCoord(0, 0, 1000, 1000, 300) "
                    "pts[#pts + 1] = x .. ',' .. y end"),
              "");
    EXPECT_EQ(s.eval("first == table.concat(pts, ' ')"), "true");
    // No free point at all: the centre of the rectangle.
    EXPECT_EQ(s.eval("table.concat({getRandomCoord(0, 0, 900, 250, 0)}, ',')"), "450,125");
}

TEST_F(ContentScripts, TextsAndHeadsUpLines) {
    ASSERT_EQ(s.run("require('/data/entities/Paragraph') require('/data/entities/UpdateHUD') "
                    "require('/data/functions/createMessage') "
                    "pa = Paragraph.new({'one', 'two', 'three'}, 1000, 500) n = 0 "
                    "h = UpdateHUD.new(function() n = n + 1 return 'a' .. n end) "
                    "m = createMessage('hello', 90, 300, 300)"),
              "");
    EXPECT_EQ(s.eval("#pa.lines .. ' ' .. pa.lines[1].x .. ',' .. pa.lines[1].y .. ' ' .. pa.lines[3].x"),
              "3 1000,550 940");
    EXPECT_EQ(s.eval("tostring(count.setHudString1)"), "nil");
    ASSERT_EQ(s.run("advance(89)"), "");
    EXPECT_EQ(s.eval("count.setHudString1 .. ' ' .. tostring(m.mustBeDestroyed) .. ' ' .. #luaEntities"), "89 false 6");
    ASSERT_EQ(s.run("advance(1) pa:remove() advance(1)"), "");
    EXPECT_EQ(s.eval("#luaEntities"), "1");
}

// An obstacle met from any side pushes things back out on that side.
TEST_F(ContentScripts, ObstaclesFaceEverySide) {
    ASSERT_EQ(
        s.run("require('/data/functions/createAdvancedQuadGeometry') quads = boxObstacleQuads(100, 100, 200, 60)"), "");
    EXPECT_EQ(s.eval("#quads"), "4");
    // For a point just outside the middle of each side, the quad of that
    // side has it beyond its first side and contains the point just inside.
    EXPECT_EQ(s.eval("(function() local probes = {{200, 95, 200, 105}, {305, 130, 295, 130}, {200, 165, 200, 155}, "
                     "{95, 130, 105, 130}} for k, p in ipairs(probes) do local q = quads[k] "
                     "local function t(x, y) return (q[3] - q[1]) * (y - q[2]) - (q[4] - q[2]) * (x - q[1]) end "
                     "if not (isConvexQuad(q) and sign(t(p[1], p[2])) == -sign(t(p[3], p[4]))) then return k end end "
                     "return 'ok' end)()"),
              "ok");
}

TEST_F(ContentScripts, RegularOutlinesAndRocks) {
    ASSERT_EQ(s.run("require('/data/functions/createAdvancedQuadGeometry') "
                    "o = regularOutline(100, 100, 50, 4) q = appendRockQuads({}, {{500, 500, 80}, {900, 500, 60}})"),
              "");
    EXPECT_EQ(s.eval("table.concat(o, ',')"), "150,100,100,150,50,100,100,50");
    EXPECT_EQ(s.eval("#q"), "16");
    EXPECT_EQ(s.eval("(function() for _, x in ipairs(q) do if not isConvexQuad(x) then return false end end "
                     "return outlineArea2(regularOutline(0, 0, 10, 8)) > 0 end)()"),
              "true");
}

// Every sound a script names is one of the effects the audio generator
// writes beside the game.
TEST(ContentSounds, EverySoundAScriptNamesIsAGeneratedEffect) {
    LuaScriptList* store = LuaScriptList::getInstance();
    std::regex literal("/data/sounds/([A-Za-z0-9_]+)\\.caf");
    std::set<std::string> named;
    for (int i = 0; i < store->getNumberOfScripts(); i++) {
        unsigned int size = 0;
        const char* text = store->getLuaScript(store->getPath(i), &size);
        ASSERT_NE(text, nullptr);
        std::string script(text, size);
        for (std::sregex_iterator m(script.begin(), script.end(), literal), end; m != end; ++m)
            named.insert((*m)[1]);
    }
    EXPECT_GE(named.size(), 5u);
    for (const std::string& name : named) {
        struct stat st;
        std::string wav = std::string(ZORBIX_GAME_DIR) + "/app/native/data/sounds/" + name + ".wav";
        EXPECT_EQ(stat(wav.c_str(), &st), 0) << name << ": no such effect";
    }
}
