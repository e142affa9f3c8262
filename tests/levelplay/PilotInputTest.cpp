// The pilot input: a level's levelTest.pilot() on the sticks. Its angles
// are the world's, so a pilot flying along +x or +y moves the ship that way;
// a pilot that is missing, fails or draws from the game's generator is
// reported and lifts its fingers.
#include "actors/Player.h"
#include "levelplay/SimulatedInput.h"
#include "support/PlayTestSupport.h"

namespace {

const std::string kPilotLevel = "/data/levels/campaign0/digest/digest.lua";

std::string levelWithPilot(const std::string& pilotBody) {
    return "function init()\n"
           "    zorbix.setMapBoundaries(3000, 3000)\n"
           "    ship = zorbix.newPlayer(1500, 1500)\n"
           "end\n"
           "function update() end\n"
           "levelTest = { pilot = function()\n" +
           pilotBody + "\nend }\n";
}

class PilotInput : public playtest::PlayTest {
protected:
    // Runs the level under the pilot; the ship's move, or the pilot's error.
    std::string fly(const std::string& pilotBody, int steps, float* dx, float* dy) {
        addLevel(kPilotLevel, levelWithPilot(pilotBody));
        StatePlay* play = new StatePlay(kPilotLevel, false, false);
        LevelRun run(play);
        SimulatedInput input;
        std::string error;
        EXPECT_TRUE(input.parse("pilot", &error));
        input.setPilotState(play->getLuaState());
        float x0 = 0, y0 = 0;
        for (int step = 0; step < steps; step++) {
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            if (step == 0) {
                x0 = Player::player->position.x;
                y0 = Player::player->position.y;
            }
            run.frame(x, y, false);
        }
        *dx = Player::player->position.x - x0;
        *dy = Player::player->position.y - y0;
        return input.pilotError();
    }
};

TEST_F(PilotInput, AnglesAreTheWorldsDirections) {
    struct Case {
        const char* angle;
        int sx, sy;
    } cases[] = {{"0", 1, 0}, {"90", 0, 1}, {"180", -1, 0}, {"-90", 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        float dx = 0, dy = 0;
        EXPECT_EQ(fly(std::string("return ") + c.angle + ", 100, 0, 0", 60, &dx, &dy), "");
        // A full push moves 65/12 units a step.
        EXPECT_NEAR(dx, 325.0f * c.sx, 10.0f);
        EXPECT_NEAR(dy, 325.0f * c.sy, 10.0f);
    }
    float dx = 1, dy = 1;
    EXPECT_EQ(fly("return 0, 0, 45, 100", 60, &dx, &dy), "");
    EXPECT_EQ(dx, 0.0f) << "no move strength, no move";
    EXPECT_EQ(dy, 0.0f);
}

TEST_F(PilotInput, FailuresAreReportedAndLiftTheFingers) {
    struct Case {
        const char* body;
        const char* error;
    } cases[] = {
        {"error('lost')", "pilot: "},
        {"return 'up', 100, 0, 0", "expected four numbers"},
        {"math.rand() return 0, 100, 0, 0", "drew from the game's generator"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        float dx = 0, dy = 0;
        EXPECT_NE(fly(c.body, 30, &dx, &dy).find(c.error), std::string::npos);
        EXPECT_EQ(dx, 0.0f);
        EXPECT_EQ(dy, 0.0f);
    }
}

TEST_F(PilotInput, ALevelWithoutPilotIsReported) {
    addLevel(kPilotLevel,
             "function init() zorbix.setMapBoundaries(900, 900) zorbix.newPlayer(450, 450) end\n"
             "function update() end\n");
    StatePlay* play = new StatePlay(kPilotLevel, false, false);
    LevelRun run(play);
    SimulatedInput input;
    std::string error;
    ASSERT_TRUE(input.parse("pilot", &error));
    input.setPilotState(play->getLuaState());
    int x[2], y[2];
    input.touchesForStep(0, StatePlay::joysticks, x, y);
    EXPECT_EQ(input.pilotError(), "the level has no levelTest.pilot");
    EXPECT_EQ(x[0], -1);
    EXPECT_EQ(x[1], -1);
}

}  // namespace
