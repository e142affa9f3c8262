// The pinned replays of the infinity levels play back to their pinned end in
// one process, each after another level ran first and in both orders, which
// catches state a game leaves behind and any order taken from addresses.
#include <cinttypes>
#include <cstdio>

#include "core/myfopen.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/Replay.h"
#include "levelplay/WorldHash.h"
#include "support/PlayTestSupport.h"

using namespace playtest;

namespace {

const char* const kGoldens[] = {
    "infinity-megagore",
    "infinity-dodge-this",
    "infinity-assault",
    "infinity-asteroids",
    "infinity-chromatic-conflict",
    "infinity-highway",
    "infinity-amalgam",
    "infinity-symbiosis",
#ifndef __SANITIZE_ADDRESS__
    // Ten minutes of the busiest level, played twice here: too slow for the
    // sanitizer build, where golden.* of ctest plays it once.
    "infinity-chromatic-conflict-10min",
#endif
};

class GoldenReplayTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        // Silent: a sound first played from the test's folder, which has no
        // sound files, would stay unloadable for every later test.
        SoundManager::getInstance()->enabled = false;
        // The fixture puts a counting level under some level paths.
        removeAddedLevels();
    }

    // The pinned replay's play screen, as a downloaded replay; null on failure.
    StatePlay* openPinned(const std::string& name) {
        std::string bytes = sourceFile("tests/data/replays/" + name + ".txt");
        EXPECT_FALSE(bytes.empty()) << name;
        FILE* f = myFopenForDocument(Replay::getPath(0, true), "wb");
        EXPECT_NE(f, nullptr);
        if (!f)
            return nullptr;
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        std::string error;
        StatePlay* play = newPlaybackScreen(0, true, &error);
        EXPECT_NE(play, nullptr) << name << ": " << error;
        return play;
    }

    // Plays the pinned replay back: "score N", "steps N" and "hash H" at its
    // end, as the simulation tool prints them.
    std::string playBack(const std::string& name) {
        StatePlay* play = openPinned(name);
        if (!play)
            return "";
        LevelRun run(play);
        int size = play->getReplay()->getSizeOfReplay();
        // A replay saved before the game ended stops where it stops.
        for (int frame = 0; !run.next && Entity::time < size && frame < 4 * size + 600; frame++)
            idle(run);
        char end[96];
        snprintf(end, sizeof end, "score %i\nsteps %i\nhash %016" PRIx64 "\n", Game::getScore(), Entity::time,
                 worldHash());
        return end;
    }

    std::string pinned(const std::string& name) { return sourceFile("tests/data/replays/" + name + ".score"); }
};

TEST_F(GoldenReplayTest, EachPlaysBackToItsPinnedEndAfterAnotherLevelInBothOrders) {
    const int n = sizeof kGoldens / sizeof kGoldens[0];
    for (int order = 0; order < 2; order++) {
        for (int i = 0; i < n; i++) {
            std::string name = kGoldens[order == 0 ? i : n - 1 - i];
            EXPECT_EQ(playBack(name), pinned(name)) << name << (order == 0 ? " (in order)" : " (reversed)");
        }
    }
}

TEST_F(GoldenReplayTest, TheActorsOwnGeneratorStartsFromTheGamesSeed) {
    // A dodger draws its skill from the actors' own generator: a game must
    // start it afresh, whatever drew from it before.
    uint32_t first[2];
    for (int k = 0; k < 2; k++) {
        for (int n = 0; n < 5 * k; n++)
            Game::secondaryRand();
        StatePlay* play = openPinned("infinity-amalgam");
        ASSERT_NE(play, nullptr);
        LevelRun run(play);
        first[k] = Game::secondaryRand();
    }
    EXPECT_EQ(first[0], first[1]);
}

}  // namespace
