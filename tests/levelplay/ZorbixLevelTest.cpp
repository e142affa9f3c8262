// A level written as script text runs through the module for 600 world
// steps: walls of every kind, script entities with models and texts that are
// made and destroyed during passes, the score and the counters it reads.
#include <GLES/gl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "ModuleWorld.h"
#include "levelplay/LuaEntity.h"
#include "support/GraphicsTestSupport.h"

namespace {

const char* const kLevel = R"(
require('/data/entities/LuaEntity')

steps = 0
made = 0
hits = 0

-- Each entity counts its updates; after every pass updates == steps - born.
local function counted(o)
    o.updates = 0
    o.born = steps
    made = made + 1
    return o
end

Box = setmetatable({}, {__index = LuaEntity})
function Box:new(x, y, vx, vy)
    local o = counted(LuaEntity.new(self, true, x, y))
    o.vx, o.vy = vx, vy
    o:setGraphic('/data/graphics/joystickGraphic.lua')
    o:setFrame(made % 3)
    o:setZoom(77)
    o:setColor(80 + made * 37 % 175, 255 - made * 53 % 200, 120, 255)
    return o
end
function Box:update()
    self.updates = self.updates + 1
    self:setVxVy(self.vx, self.vy)
    self.x = zorbix.getEntityX(self.ptr)
    self.y = zorbix.getEntityY(self.ptr)
    if self.splits then
        -- Makes its successor and leaves in the same pass.
        Box:new(self.x, self.y, -self.vy, self.vx)
        self:destroy()
    end
end

Label = setmetatable({}, {__index = LuaEntity})
function Label:new(x, y, text)
    local o = counted(LuaEntity.new(self, false, x, y))
    o:setText(text)
    o:setScale(510, 510, 255)
    return o
end
function Label:update()
    self.updates = self.updates + 1
    self:setText('^3Score ^7' .. zorbix.getScore() .. ' ^2entities ^7' .. #luaEntities)
end

-- Runs the level: it is made first, so it is updated first in every pass.
Director = setmetatable({}, {__index = LuaEntity})
function Director:new()
    return counted(LuaEntity.new(self, false, 0, 0))
end
function Director:update()
    self.updates = self.updates + 1
    steps = steps + 1
    if steps % 12 == 0 then
        Box:new(400, 300, steps % 7 - 3, steps % 5 - 2)
    end
    if steps % 30 == 0 and #luaEntities > 4 then
        luaEntities[#luaEntities]:destroy()
    end
    if steps % 50 == 0 and #luaEntities > 4 then
        luaEntities[3]:destroy()
        luaEntities[4]:destroy()
    end
    if steps % 40 == 0 and #luaEntities > 5 then
        luaEntities[5].splits = true
    end
    hits = hits + zorbix.getEntityNumberOfHits(luaEntities[#luaEntities].ptr) + zorbix.getPlayerNumberOfCollisions()
    near = zorbix.getEntityDistanceFromPlayer(luaEntities[#luaEntities].ptr)
    zorbix.increaseScore(zorbix.getButtonWasPressed() and 10 or 1)
    if steps == 600 then
        zorbix.setGameIsFinished(true)
    end
end

function init()
    zorbix.setMapBoundaries(800, 600)
    -- The borders: a quad on each side, the lower one recolouring shots.
    zorbix.newCollisionQuad(0, 600, 800, 600, 800, 640, 0, 640)
    zorbix.newCollisionQuadWithFlag(800, 0, 0, 0, 0, -40, 800, -40, 4)
    local left = zorbix.newCollisionQuadTeletransport(0, 0, 0, 600, -40, 600, -40, 0)
    local right = zorbix.newCollisionQuadTeletransport(800, 600, 800, 0, 840, 0, 840, 600)
    zorbix.setQuadTeletransportOtherSide(left, right)
    zorbix.setQuadTeletransportOtherSide(right, left)
    zorbix.newCollisionDisk(600, 150, 40)
    zorbix.newCollisionInnerDisk(400, 300, 290)
    local gone = zorbix.newCollisionDisk(100, 100, 30)
    zorbix.removeCollision(gone)
    Director:new()
    Label:new(40, 560, '')
    player = zorbix.newPlayer(250, 420)
    for i = 1, 8 do
        Box:new(100 + i * 70, 150 + i * 30, i % 3 - 1, 2 - i % 4)
    end
    zorbix.setCameraXY(400, 300)
    zorbix.setHudString1('^3Test level')
end

function audit()
    for i, e in ipairs(luaEntities) do
        if e.indexInTable ~= i then return 'index of ' .. i end
        if e.updates ~= steps - e.born then
            return 'entity ' .. i .. ' born ' .. e.born .. ' updated ' .. e.updates .. ' times at ' .. steps
        end
    end
    return 'ok'
end
)";

std::string lookFile(const char* name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/" + name;
}

}  // namespace

class ZorbixLevel : public ModuleWorld {
protected:
    int nativeScriptEntities() {
        int n = 0;
        for (Entity* e : Entity::entityVector)
            if (dynamic_cast<LuaEntity*>(e))
                n++;
        return n;
    }
};

TEST_F(ZorbixLevel, RunsSixHundredStepsThroughItsUpdate) {
    // The play screen's order: the script's init, the default size, the grids.
    SpacePartition::boundariesAreInit = false;
    ASSERT_EQ(run(kLevel), "");
    ASSERT_EQ(run("init()"), "");
    ASSERT_TRUE(SpacePartition::boundariesAreInit);
    EXPECT_EQ(SpacePartition::boundaries.x, 800.0f);
    partition->initWithTheLoadedMap();
    EXPECT_EQ(ScriptHandles::shapeCount(), 7);
    EXPECT_EQ(listedShapes(), 6);
    Game::setScore(0);

    for (int step = 1; step <= 600; step++) {
        Entity::updateAll();
        // The entities the last pass destroyed are gone from the world now.
        ASSERT_EQ(eval("#luaEntities"), std::to_string(nativeScriptEntities())) << step;
        if (step == 300)
            StatePlay::buttonWasPressed = true;
        ASSERT_EQ(run("update()"), "") << step;
        ASSERT_EQ(eval("audit()"), "ok") << step;
    }
    EXPECT_EQ(eval("steps"), "600");
    EXPECT_TRUE(StatePlay::gameIsFinished);
    EXPECT_EQ(Game::getScore(), 299 + 301 * 10);
    EXPECT_EQ(eval("hits"), "0");
    EXPECT_LT(std::stoi(eval("near")), 400);
    EXPECT_EQ(StatePlay::HUDString1, "^3Test level");
    int made = std::stoi(eval("made")), alive = std::stoi(eval("#luaEntities"));
    EXPECT_GT(made, 30);
    EXPECT_LT(alive, made);
    EXPECT_GE(alive, 8);
    // Every box stayed inside the round arena.
    for (Entity* e : Entity::entityVector) {
        if (!e->collidesWithWalls)
            continue;
        float dx = e->position.x - 400.0f, dy = e->position.y - 300.0f;
        EXPECT_LT(dx * dx + dy * dy, 291.0f * 291.0f);
    }

    // The picture: the arena at 0.9 with the walls' grid cells behind it.
    graphicstest::resetGlState();
    glTranslatef(152.0f, 30.0f, 0.0f);
    glScalef(0.9f, 0.9f, 1.0f);
    partition->draw();
    Entity::drawAll(0.0f, 0.0f, 1.0f);
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_TRUE(graphicstest::writePng(p, lookFile("level-script.png")));
    EXPECT_GT(p.litCount(), 1000);
}
