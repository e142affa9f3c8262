// A recorded game plays back bit for bit: the same world hash at every step
// and the same last step, whatever ran before in the process, whatever the
// settings that do not belong to the simulation, at any playback speed, drawn
// or not.
#include <map>

#include "levelplay/Replay.h"
#include "levelplay/SimulatedInput.h"
#include "levelplay/WorldHash.h"
#include "screens/StateConfirmScore.h"
#include "support/PlayTestSupport.h"
#include "widgets/Button.h"

using namespace playtest;

namespace {
const int recordedSteps = 400;

// Ends the game at a step from inside the world, as a level script would.
class EndAtStep : public Entity {
public:
    explicit EndAtStep(int step_) : Entity(false), step(step_) {}
    void draw() override {}
    void update() override {
        if (Entity::time >= step)
            StatePlay::gameIsFinished = true;
    }
    int step;
};

class ReplayDeterminism : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        addLevel(infinityPath, busyLevel);
    }

    // Records a game with random touches; the world hash after each step.
    std::vector<uint64_t> record(unsigned int seed, int* id) {
        std::vector<uint64_t> hashes;
        SimulatedInput input;
        std::string error;
        EXPECT_TRUE(input.parse("random:" + std::to_string(seed), &error));
        LevelRun run(new StatePlay(infinityPath, false, false));
        new EndAtStep(recordedSteps);
        while (!run.next) {
            int x[2], y[2];
            input.touchesForStep(Entity::time, StatePlay::joysticks, x, y);
            run.frame(x, y, Entity::time % 3 == 0);
            hashes.push_back(worldHash());
        }
        auto* confirm = dynamic_cast<StateConfirmScore*>(run.next);
        *id = confirm ? confirm->replay : -1;
        return hashes;
    }

    // Plays the replay back; the world hash after each frame, by step.
    std::map<int, uint64_t> playBack(int id, bool fast, bool pauseOnce, bool draw, int* lastStep) {
        std::map<int, uint64_t> hashes;
        LevelRun run(new StatePlay(id, false, "test"));
        EXPECT_TRUE(run.play->isRunnable());
        new EndAtStep(recordedSteps);
        Button* speed = run.play->getFastForwardButton();
        if (fast)
            speed->externalyPressed();
        for (int frame = 0; !run.next && frame < 4 * recordedSteps; frame++) {
            // Round the speed cycle once: fast, paused for a while, normal.
            if (pauseOnce && (frame == 100 || frame == 101 || frame == 110))
                speed->externalyPressed();
            idle(run, draw);
            hashes[run.play->getStepIndex()] = worldHash();
        }
        *lastStep = run.play->getStepIndex();
        return hashes;
    }

    void expectSameGame(const std::vector<uint64_t>& recorded, const std::map<int, uint64_t>& played, int lastStep,
                        const char* how) {
        EXPECT_EQ(lastStep, (int)recorded.size()) << how;
        int compared = 0;
        for (auto& step : played) {
            if (step.first < 1 || step.first > (int)recorded.size())
                continue;
            compared++;
            if (recorded[step.first - 1] != step.second) {
                ADD_FAILURE() << how << ": the worlds differ from step " << step.first;
                return;
            }
        }
        EXPECT_GT(compared, 20) << how;
    }
};
}  // namespace

TEST_F(ReplayDeterminism, PlaybackRepeatsTheGameStepByStep) {
    int id = -1;
    std::vector<uint64_t> recorded = record(2026, &id);
    ASSERT_EQ(id, 1);
    ASSERT_EQ((int)recorded.size(), recordedSteps);
    EXPECT_NE(recorded[10], recorded[11]);
    Replay saved(id, false);
    EXPECT_EQ(saved.getSizeOfReplay(), recordedSteps);

    int last = 0;
    std::map<int, uint64_t> played = playBack(id, false, false, true, &last);
    expectSameGame(recorded, played, last, "1x drawn");
    played = playBack(id, true, false, false, &last);
    expectSameGame(recorded, played, last, "5x");
    played = playBack(id, false, true, false, &last);
    expectSameGame(recorded, played, last, "paused and resumed");
}

TEST_F(ReplayDeterminism, SettingsOutsideTheSimulationChangeNothing) {
    // Another game first, so that nothing of it may leak into the next one.
    int other = -1;
    record(7, &other);
    int id = -1;
    std::vector<uint64_t> recorded = record(99, &id);
    ASSERT_GT(id, 0);

    Preferences* prefs = Preferences::getInstance();
    Explosion::isActivated = !Explosion::isActivated;
    TexturedExplosionsHandler::getInstance()->enabled = !TexturedExplosionsHandler::getInstance()->enabled;
    SoundManager::getInstance()->enabled = !SoundManager::getInstance()->enabled;
    prefs->setJoysticksPosition(prefs->getJoysticksPosition() == 1 ? 3 : 1);
    prefs->setSwapJoysticks(!prefs->getSwapJoysticks());
    prefs->setDifficultySettings(2);
    int last = 0;
    std::map<int, uint64_t> played = playBack(id, false, false, true, &last);
    expectSameGame(recorded, played, last, "after changed settings");

    // A recording made under these settings plays back the same under the old ones.
    int second = -1;
    std::vector<uint64_t> again = record(99, &second);
    Preferences::reloadForTests();
    Explosion::isActivated = playState.explosionsAtCapture();
    played = playBack(second, true, false, false, &last);
    expectSameGame(again, played, last, "back to the old settings");
}
