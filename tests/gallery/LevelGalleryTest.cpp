// Gallery pictures of the levels: every level script of the store (the file
// named after its folder under /data/levels/), and the round-trip test level,
// each after 300 steps of random input.
#include "GallerySupport.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/SimulatedInput.h"
#include "support/PlayTestSupport.h"

using namespace playtest;

namespace {
class LevelGallery : public PlayTest {
protected:
    // The play screen fixture puts stand-ins over three real levels; the
    // gallery pictures the real ones.
    void SetUp() override {
        PlayTest::SetUp();
        removeAddedLevels();
    }

    // Runs the level 300 steps and pictures it; the lit pixels.
    static int picture(const std::string& level, const std::string& name) {
        std::string error;
        StatePlay* play = newPlayScreenForLevel(level, &error);
        EXPECT_NE(play, nullptr) << error;
        if (!play)
            return 0;
        LevelRun run(play);
        SimulatedInput input;
        input.parse("random:1", &error);
        for (int frame = 0; frame < 1200 && Entity::time < 300 && !run.next; frame++) {
            int x[2], y[2];
            input.touchesForStep(Entity::time, StatePlay::joysticks, x, y);
            run.frame(x, y, false);
        }
        return gallery::takePicture(name, level + " after 300 steps of random input", [&] { run.play->draw(); });
    }
};

// "/data/levels/campaign0/boxes/boxes.lua" is a level script; the other files
// of its folder are its graphics.
bool isLevelScript(const std::string& path) {
    if (path.compare(0, 13, "/data/levels/") != 0 || path.size() < 5 || path.compare(path.size() - 4, 4, ".lua") != 0)
        return false;
    size_t slash = path.rfind('/');
    std::string folder = path.substr(0, slash);
    std::string folderName = folder.substr(folder.rfind('/') + 1);
    return path.substr(slash + 1) == folderName + ".lua";
}
}  // namespace

TEST_F(LevelGallery, EveryLevelScriptOfTheStore) {
    LuaScriptList* store = LuaScriptList::getInstance();
    for (int i = 0; i < store->getNumberOfScripts(); i++) {
        std::string path = store->getPath(i);
        if (!isLevelScript(path))
            continue;
        std::string name = "level" + path.substr(12, path.rfind('/') - 12);
        for (char& c : name)
            if (c == '/' || c == ' ')
                c = '-';
        EXPECT_GT(picture(path, name), 1000) << path;
    }
}

TEST_F(LevelGallery, RoundTripTestLevel) {
    addLevel(infinityPath, busyLevel);
    EXPECT_GT(picture(infinityPath, "level-test-roundtrip"), 1000);
}

// Infinity levels in play, driven by their scripted players: a picture
// every 1,500 steps up to 4,500, while the game lasts.
TEST_F(LevelGallery, InfinityLevelsInPlay) {
    const char* const levels[] = {"assault", "amalgam", "symbiosis"};
    for (const char* level : levels) {
        std::string path = std::string("/data/levels/infinity/") + level + "/" + level + ".lua";
        std::string error;
        StatePlay* play = newPlayScreenForLevel(path, &error);
        ASSERT_NE(play, nullptr) << error;
        LevelRun run(play);
        SimulatedInput input;
        input.parse("pilot", &error);
        input.setPilotState(play->getLuaState());
        for (int frame = 0; frame < 20000 && Entity::time < 4500 && !run.next; frame++) {
            int x[2], y[2];
            input.touchesForStep(Entity::time, StatePlay::joysticks, x, y);
            run.frame(x, y, false);
            if (Entity::time % 1500 == 0 && Entity::time > 0 && !run.next) {
                std::string name = "level-infinity-" + std::string(level) + "-" + std::to_string(Entity::time);
                EXPECT_GT(gallery::takePicture(
                              name, path + " after " + std::to_string(Entity::time) + " steps played by its pilot",
                              [&] { run.play->draw(); }),
                          1000)
                    << name;
            }
        }
        EXPECT_EQ(input.pilotError(), "") << path;
    }
}
