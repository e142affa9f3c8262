// The script module against hostile calls: stale, wrong-kind, null and
// non-handle values, nil strings, out-of-range values and sizes, repeated
// removals and level ends. Nothing may crash, raise or change other objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModuleWorld.h"
#include "core/QuadTeletransport.h"
#include "graphics/FloatingMessage.h"
#include "levelplay/LuaEntity.h"

namespace {

// What a hostile call must leave as it was.
struct Snapshot {
    int entities, shapes, listed, score;
    Coord ePosition, messagePosition;
    std::string text;
    VectorModel* model;
    int frame;
    float angle, zoom;
    bool hidden, custom, scaled, pending, anyDeleted;
    QuadTeletransport* otherSide;

    bool operator==(const Snapshot& o) const {
        return entities == o.entities && shapes == o.shapes && listed == o.listed && score == o.score &&
               ePosition.equals(o.ePosition) && ePosition.z == o.ePosition.z &&
               messagePosition.equals(o.messagePosition) && text == o.text && model == o.model && frame == o.frame &&
               angle == o.angle && zoom == o.zoom && hidden == o.hidden && custom == o.custom && scaled == o.scaled &&
               pending == o.pending && anyDeleted == o.anyDeleted && otherSide == o.otherSide;
    }
};

}  // namespace

class ZorbixHostile : public ModuleWorld {
protected:
    void SetUp() override {
        ModuleWorld::SetUp();
        // Everything is made before the stale handle dies, so that no new
        // object can take its address.
        ASSERT_EQ(run(R"(
            e = zorbix.newLuaEntity(5, 6)
            zorbix.setLuaEntityText(e, 'text')
            model = zorbix.getGraphic('/data/graphics/grid.lua')
            zorbix.setLuaEntityVectorModel(e, model)
            message = zorbix.newFloatingMessage(1, 2, 'x', 1, 2, 3)
            quad = zorbix.newCollisionQuad(0, 0, 10, 0, 10, 10, 0, 10)
            disk = zorbix.newCollisionDisk(50, 50, 5)
            tq = zorbix.newCollisionQuadTeletransport(100, 0, 110, 0, 110, 10, 100, 10)
            other = zorbix.newCollisionQuadTeletransport(200, 0, 210, 0, 210, 10, 200, 10)
            null = zorbix.newExplosion()
            dead = zorbix.newLuaEntity(0, 0)
            zorbix.setEntityDestroy(dead)
        )"),
                  "");
        Entity::updateAll();
        luaEntity = object<LuaEntity>("e");
        message = object<FloatingMessage>("message");
        teleport = static_cast<QuadTeletransport*>(static_cast<CollisionShape*>(handle("tq")));
        ASSERT_TRUE(luaEntity && message && teleport);
    }

    Snapshot snapshot() {
        Snapshot s;
        s.entities = entityCount();
        s.shapes = ScriptHandles::shapeCount();
        s.listed = listedShapes();
        s.score = Game::getScore();
        s.ePosition = luaEntity->position;
        s.messagePosition = message->position;
        s.text = luaEntity->getText();
        s.model = luaEntity->model;
        s.frame = luaEntity->frame;
        s.angle = luaEntity->angle;
        s.zoom = StatePlay::zoom;
        s.hidden = luaEntity->hidden;
        s.custom = luaEntity->hasCustomColor;
        s.scaled = luaEntity->scaleIsSet;
        s.pending = luaEntity->velocityPending;
        s.anyDeleted = false;
        for (Entity* x : Entity::entityVector)
            s.anyDeleted = s.anyDeleted || x->toBeDeleted;
        s.otherSide = teleport->otherSide;
        return s;
    }

    LuaEntity* luaEntity = nullptr;
    FloatingMessage* message = nullptr;
    QuadTeletransport* teleport = nullptr;
};

TEST_F(ZorbixHostile, BadHandlesChangeNothing) {
    const std::vector<std::string> common = {"dead", "null", "nil", "5", "{}", "'text'", "io.stdout", "print"};
    struct Call {
        const char* kind;    // which handles are of the wrong kind for it
        const char* call;    // @ stands for the handle
        const char* result;  // its one result; null: it returns nothing
    } calls[] = {
        {"entity", "getEntityX(@)", "0"},
        {"entity", "getEntityY(@)", "0"},
        {"entity", "getEntityDistanceFromPlayer(@)", "0"},
        {"entity", "getEntitySqrDistanceFromPlayer(@)", "0"},
        {"entity", "getEntityNumberOfHits(@)", "0"},
        {"lua", "getEntityTextWidth(@)", "0"},
        {"entity", "setEntityX(@, 1)", nullptr},
        {"entity", "setEntityY(@, 1)", nullptr},
        {"entity", "setEntityZ(@, 1)", nullptr},
        {"entity", "setEntityXY(@, 1, 2)", nullptr},
        {"entity", "setEntityDestroy(@)", nullptr},
        {"lua", "setLuaEntityVxVy(@, 1, 1)", nullptr},
        {"lua", "setLuaEntityAngle(@, 1)", nullptr},
        {"lua", "setLuaEntityAngle2(@, 1)", nullptr},
        {"lua", "setLuaEntityRotation(@, 1, 1, 1, 1)", nullptr},
        {"lua", "setLuaEntityFrame(@, 1)", nullptr},
        {"lua", "setLuaEntityScale(@, 1, 1, 1)", nullptr},
        {"lua", "setLuaEntityVectorModel(@, model)", nullptr},
        {"model", "setLuaEntityVectorModel(e, @)", nullptr},
        {"lua", "setLuaEntityHidden(@, true)", nullptr},
        {"lua", "setLuaEntityZoom(@, 1)", nullptr},
        {"lua", "setLuaEntityText(@, 'x')", nullptr},
        {"lua", "setLuaEntityColor(@, 1, 2, 3, 4)", nullptr},
        {"shape", "removeCollision(@)", nullptr},
        {"teleport", "setQuadTeletransportOtherSide(@, other)", nullptr},
        {"teleport", "setQuadTeletransportOtherSide(tq, @)", nullptr},
    };
    auto wrongKinds = [](const std::string& kind) -> std::vector<std::string> {
        if (kind == "entity")
            return {"quad", "model"};
        if (kind == "lua")
            return {"message", "quad", "model"};
        if (kind == "model")
            return {"e", "message", "quad"};
        if (kind == "shape")
            return {"e", "message", "model"};
        return {"e", "quad", "disk", "model"};
    };
    int checked = 0;
    for (const Call& c : calls) {
        std::vector<std::string> handles = common;
        for (const std::string& w : wrongKinds(c.kind))
            handles.push_back(w);
        for (const std::string& h : handles) {
            std::string call = c.call;
            call.replace(call.find('@'), 1, h);
            Snapshot before = snapshot();
            if (c.result)
                EXPECT_EQ(eval("zorbix." + call), c.result) << call;
            else
                EXPECT_EQ(eval("select('#', zorbix." + call + ")"), "0") << call;
            EXPECT_TRUE(snapshot() == before) << call;
            checked++;
        }
    }
    EXPECT_GT(checked, 250);
    // The world still steps and draws.
    Entity::updateAll();
    Entity::drawAll(1.0f, 1.0f, 1.0f);
    EXPECT_EQ(luaEntity->position.x, 5.0f);
}

TEST_F(ZorbixHostile, NilStringsAndOutOfRangeValues) {
    struct Row {
        const char* code;
        const char* error;  // "" when the call must succeed
        int newEntities;
        int newShapes;
    } rows[] = {
        // nil, absent or table strings: "" for texts, the stock error where a string is required.
        {"zorbix.print(nil) zorbix.print({}) zorbix.print()", "", 0, 0},
        {"zorbix.setHudString1(nil) zorbix.setHudString2()", "", 0, 0},
        {"x = zorbix.newFloatingMessage(0, 0, nil, 1, 2, 3)", "", 1, 0},
        {"x = zorbix.newFloatingMessage(0, 0, {}, 1, 2, 3)", "", 1, 0},
        {"zorbix.getGraphic(nil)", "bad argument #1 to 'getGraphic' (string expected, got nil)", 0, 0},
        {"zorbix.getGraphic({})", "bad argument #1 to 'getGraphic' (string expected, got table)", 0, 0},
        {"zorbix.playSound(nil, 1, 2)", "bad argument #1 to 'playSound' (string expected, got nil)", 0, 0},
        // Indexes and counts outside their tables.
        {"zorbix.setLuaEntityFrame(e, 2147483647) zorbix.setLuaEntityFrame(e, -2147483648)", "", 0, 0},
        {"x = zorbix.newExplosion(0, 0, 99, -5)", "", 1, 0},
        {"x = zorbix.newExplosion(0, 0, -1, 100000, 2147483647)", "", 1, 0},
        {"x = zorbix.newExplosion(0, 0, 255, 255, 255, -2147483648)", "", 1, 0},
        {"zorbix.newTexturedExplosion(0, 0, 99, 255) zorbix.newTexturedExplosion(0, 0, -1, -255)", "", 0, 0},
        // Sizes of 0 and below, and degenerate shapes.
        {"x = zorbix.newCollisionDisk(0, 0, 0)", "", 0, 1},
        {"x = zorbix.newCollisionDisk(0, 0, -10)", "", 0, 1},
        {"x = zorbix.newCollisionInnerDisk(500, 500, 0)", "", 0, 1},
        {"x = zorbix.newCollisionInnerDisk(500, 500, -1, -7)", "", 0, 1},
        {"x = zorbix.newCollisionQuad(0, 0, 0, 0, 0, 0, 0, 0)", "", 0, 1},
        {"x = zorbix.newCollisionQuad(-2147483648, 0, 2147483647, 0, 0, 2147483647, 0, -2147483648)", "", 0, 1},
        {"zorbix.setLuaEntityZoom(e, 0) zorbix.setLuaEntityScale(e, 0, -255, 0)", "", 0, 0},
        {"zorbix.setLuaEntityRotation(e, 90, 0, 0, 0)", "", 0, 0},
        {"zorbix.setMapBoundaries(0, 0) zorbix.setMapBoundaries(-1, 5) zorbix.setCameraZoom(0) "
         "zorbix.setCameraZoom2(-65025)",
         "", 0, 0},
        {"zorbix.setLuaEntityText(e, nil)", "", 0, 0},
        // The script enemies' values: divisors, radii, types and names.
        {"zorbix.setBrownianSpeedDivisor(0) zorbix.setBrownianSpeedDivisor(-30)", "", 0, 0},
        {"x = zorbix.newCirculatingEnemy(500, 500, 0, 0, 0)", "", 1, 0},
        {"x = zorbix.newBrownian(0, 0, 9)", "", 1, 0},
        {"x = zorbix.newUncommonEntity('bizarro\\0', 1, 2) x = zorbix.newUncommonEntity(nil, 1, 2)", "", 0, 0},
        {"x = zorbix.newTeleporter(300, 300, 1)", "", 1, 0},
    };
    for (const Row& r : rows) {
        int entities = entityCount(), shapes = ScriptHandles::shapeCount();
        std::string error = run(r.code);
        if (*r.error)
            EXPECT_NE(error.find(r.error), std::string::npos) << r.code << ": " << error;
        else
            EXPECT_EQ(error, "") << r.code;
        EXPECT_EQ(entityCount(), entities + r.newEntities) << r.code;
        EXPECT_EQ(ScriptHandles::shapeCount(), shapes + r.newShapes) << r.code;
    }
    EXPECT_EQ(luaEntity->getText(), "");
    EXPECT_EQ(StatePlay::zoom, 1.0f);
    EXPECT_EQ(SpacePartition::boundaries.x, 1000.0f);
    // The level is filed again with the odd shapes, then runs and draws.
    partition->initWithTheLoadedMap();
    ASSERT_EQ(run("for i = 1, 20 do zorbix.newLuaEntity(i * 7, i * 3, true) end"), "");
    for (int step = 0; step < 60; step++) {
        Entity::updateAll();
        Entity::drawAll(1.0f, 1.0f, 1.0f);
    }
    EXPECT_EQ(eval("zorbix.getEntityTextWidth(e)"), "0");
}

// A bad argument raises the stock error before anything is made.
TEST_F(ZorbixHostile, NoHalfMadeObject) {
    struct Row {
        const char* call;
        const char* error;
    } rows[] = {
        {"newFloatingMessage(0, 0, 'x', 1, 'b', 3)",
         "bad argument #5 to 'newFloatingMessage' (number expected, got string)"},
        {"newExplosion(0, 0, 1, 2, 'fast')", "bad argument #5 to 'newExplosion' (number expected, got string)"},
        {"newExplosion(0, 0, 1, 2, 3, nil)", "bad argument #6 to 'newExplosion' (number expected, got nil)"},
        {"newPlayerExplosion(0, 0, 1, {}, 3)", "bad argument #4 to 'newPlayerExplosion' (number expected, got table)"},
        {"newTexturedExplosion(0, 0, 1, 2, 'x', 4)",
         "bad argument #5 to 'newTexturedExplosion' (number expected, got string)"},
        {"newCollisionQuad(0, 0, 1, 1, 1, 'a', 0, 1)",
         "bad argument #6 to 'newCollisionQuad' (number expected, got string)"},
        {"newCollisionInnerDisk(0, 0, 5, 'n')",
         "bad argument #4 to 'newCollisionInnerDisk' (number expected, got string)"},
        {"newPlayerBullet(0, 0, 0, 255, 'x')", "bad argument #5 to 'newPlayerBullet' (number expected, got string)"},
        {"newPlayer(0, {})", "bad argument #2 to 'newPlayer' (number expected, got table)"},
        {"setPlayerAlly(0)", "bad argument #2 to 'setPlayerAlly' (number expected, got no value)"},
        {"newLuaEntity(0)", "bad argument #2 to 'newLuaEntity' (number expected, got no value)"},
        {"playSound('/data/sounds/pop.caf', 1, 'y')", "bad argument #3 to 'playSound' (number expected, got string)"},
        {"setEntityXY(e, 1)", "bad argument #3 to 'setEntityXY' (number expected, got no value)"},
        {"newBrownian(0, 0)", "bad argument #3 to 'newBrownian' (number expected, got no value)"},
        {"newCirculatingEnemy(0, 0, 100, 'a', 1)",
         "bad argument #4 to 'newCirculatingEnemy' (number expected, got string)"},
        {"newCirculatingEnemy(0, 0, 100, 0)",
         "bad argument #5 to 'newCirculatingEnemy' (number expected, got no value)"},
        {"newTeleporter(0, 0, 'one')", "bad argument #3 to 'newTeleporter' (number expected, got string)"},
        {"newUncommonEntity('bizarro', 1, {})", "bad argument #3 to 'newUncommonEntity' (number expected, got table)"},
        {"newAsteroid(0)", "bad argument #2 to 'newAsteroid' (number expected, got no value)"},
        {"newDodger(nil, 0)", "bad argument #1 to 'newDodger' (number expected, got nil)"},
        {"setBrownianSpeedDivisor('fast')",
         "bad argument #1 to 'setBrownianSpeedDivisor' (number expected, got string)"},
    };
    for (const Row& r : rows) {
        Snapshot before = snapshot();
        std::string error = run("zorbix." + std::string(r.call));
        EXPECT_NE(error.find(r.error), std::string::npos) << r.call << ": " << error;
        EXPECT_TRUE(snapshot() == before) << r.call;
    }
}

TEST_F(ZorbixHostile, LevelEndDeletesTheShapesAndForgetsEveryHandle) {
    ASSERT_EQ(run("zorbix.setQuadTeletransportOtherSide(tq, other)"), "");
    EXPECT_EQ(teleport->otherSide, static_cast<QuadTeletransport*>(static_cast<CollisionShape*>(handle("other"))));
    ASSERT_EQ(run("zorbix.setQuadTeletransportOtherSide(tq, quad)"), "");
    EXPECT_NE(teleport->otherSide, nullptr);
    EXPECT_EQ(ScriptHandles::shapeCount(), 4);
    ScriptHandles::levelEnded();
    ScriptHandles::levelEnded();
    EXPECT_EQ(ScriptHandles::shapeCount(), 0);
    EXPECT_EQ(listedShapes(), 0);
    // The old handles now name nothing.
    VectorModel* kept = luaEntity->model;
    ASSERT_EQ(run("zorbix.removeCollision(quad) zorbix.setQuadTeletransportOtherSide(tq, other) "
                  "zorbix.setLuaEntityVectorModel(e, nil) zorbix.setLuaEntityVectorModel(e, model)"),
              "");
    EXPECT_EQ(luaEntity->model, kept);
    // A new level goes on making shapes.
    ASSERT_EQ(run("q = zorbix.newCollisionQuad(0, 0, 10, 0, 10, 10, 0, 10) zorbix.removeCollision(q)"), "");
    EXPECT_EQ(ScriptHandles::shapeCount(), 1);
    EXPECT_EQ(listedShapes(), 0);
}
