// The play screen: set-up by mode, steps per frame, quick pause, the menu,
// the ends of a game and its exits, refused playbacks and the "Ok" button.
#include "core/StateTransition.h"
#include "graphics/VectorModel.h"
#include "levelplay/Replay.h"
#include "savedata/Achievements.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateRestartGame.h"
#include "script/LuaRuntime.h"
#include "support/FileSizeLimit.h"
#include "support/PlayTestSupport.h"
#include "support/StateGuards.h"
#include "widgets/Button.h"
#include "widgets/InGameMenu.h"

using namespace playtest;

namespace {
class StatePlayTest : public PlayTest {
protected:
    // Opens the menu, waits until it is open, and asks twice to quit.
    static void quitThroughMenu(LevelRun& run) {
        run.play->backButtonIsPressed();
        for (int i = 0; i < 40 && !run.play->getMenu()->isOpen(); i++)
            idle(run);
        ASSERT_TRUE(run.play->getMenu()->isOpen());
        run.play->backButtonIsPressed();
        idle(run);
        ASSERT_TRUE(run.play->getMenu()->isConfirming());
        run.play->backButtonIsPressed();
        idle(run);
    }
};
}  // namespace

TEST_F(StatePlayTest, SetUpByMode) {
    Preferences* prefs = Preferences::getInstance();
    prefs->setShipModelSelected(3);
    prefs->setDifficultySettings(2);
    struct Case {
        const char* name;
        std::string path;
        bool campaign, tutorial;
        bool recorded;
        int difficulty;
    } cases[] = {
        {"infinity", infinityPath, false, false, true, 0},
        {"campaign", campaignPath, true, false, false, 2},
        {"tutorial", tutorialPath, false, true, false, 2},
    };
    for (const Case& c : cases) {
        // What a game sets, left over from before: the set-up replaces it.
        StatePlay::HUDString1 = "old";
        StatePlay::drawOkButton = StatePlay::buttonWasPressed = true;
        StatePlay::setZoom(3.0f);
        Coord camera(12, 34, 0);
        StatePlay::setCamera(camera);
        Game::setScore(77);
        Entity::setTime(500);
        StatePlay* play = new StatePlay(c.path, c.campaign, c.tutorial);
        EXPECT_EQ(play->getReplay() != nullptr, c.recorded) << c.name;
        if (c.recorded) {
            EXPECT_EQ(play->getReplay()->header->levelPath, c.path);
            EXPECT_EQ(play->getReplay()->header->shipModel, 3);
            EXPECT_EQ(play->getReplay()->header->version, 1);
            EXPECT_EQ(play->getReplay()->getSizeOfReplay(), 0);
        }
        EXPECT_EQ(StatePlay::getDifficulty(), c.difficulty) << c.name;
        EXPECT_EQ(StatePlay::shipModelSelected, 3);
        EXPECT_FALSE(Game::enableBackgroundGrid);
        EXPECT_EQ(StatePlay::HUDString1, "");
        EXPECT_FALSE(StatePlay::drawOkButton);
        EXPECT_FALSE(StatePlay::buttonWasPressed);
        EXPECT_EQ(StatePlay::getCameraZoom(), 1.0f);
        EXPECT_EQ(StatePlay::realZoom, Device::zoom);
        EXPECT_EQ(StatePlay::camera.x, 12.0f) << "the camera is the script's and the player's";
        EXPECT_EQ(Game::getScore(), 0);
        EXPECT_EQ(Entity::time, 0);
        EXPECT_TRUE(SpacePartition::boundariesAreInit);
        EXPECT_EQ(SpacePartition::boundaries.x, 100.0f) << "a level without boundaries is 100 x 100";
        EXPECT_EQ(SpacePartition::boundaries.y, 100.0f);
        delete play;
        EXPECT_TRUE(Game::enableBackgroundGrid);
    }
}

TEST_F(StatePlayTest, QuickPauseNeedsThePreferencesAndNeverAppliesToTheTutorial) {
    Preferences* prefs = Preferences::getInstance();
    struct Case {
        bool autoPause, campaignAutoPause;
        std::string path;
        bool campaign, tutorial;
        bool enabled;
    } cases[] = {
        {true, false, infinityPath, false, false, true}, {false, true, infinityPath, false, false, false},
        {true, false, campaignPath, true, false, false}, {true, true, campaignPath, true, false, true},
        {true, true, tutorialPath, false, true, false},
    };
    for (const Case& c : cases) {
        prefs->set_autoPauseEnabled(c.autoPause);
        prefs->set_campaignAutoPauseEnabled(c.campaignAutoPause);
        StatePlay::quickPauseEnabled = !c.enabled;
        delete new StatePlay(c.path, c.campaign, c.tutorial);
        EXPECT_EQ(StatePlay::quickPauseEnabled, c.enabled) << c.path << " " << c.autoPause << c.campaignAutoPause;
    }
}

TEST_F(StatePlayTest, OneStepPerFrameLiveAndFiveFastZeroPausedInPlayback) {
    int id = recordGame(40);
    EXPECT_EQ(Entity::time, 0) << "the world is emptied with the screen";
    {
        LevelRun run(new StatePlay(infinityPath, false, false));
        for (int i = 1; i <= 3; i++) {
            idle(run);
            EXPECT_EQ(Entity::time, i);
            EXPECT_EQ(run.play->getReplay()->getSizeOfReplay(), i);
        }
    }
    LevelRun run(new StatePlay(id, false, "mine"));
    ASSERT_TRUE(run.play->isRunnable());
    Button* speed = run.play->getFastForwardButton();
    idle(run);
    EXPECT_EQ(run.play->getStepIndex(), 1);
    speed->externalyPressed();
    idle(run);
    EXPECT_EQ(run.play->getStepIndex(), 6) << "the press is seen on the first of five steps";
    idle(run);
    EXPECT_EQ(run.play->getStepIndex(), 11);
    speed->externalyPressed();
    idle(run);
    idle(run);
    EXPECT_EQ(run.play->getStepIndex(), 11) << "paused";
    EXPECT_EQ(Entity::time, 11);
    speed->externalyPressed();
    idle(run);
    EXPECT_EQ(run.play->getStepIndex(), 12) << "back to normal speed";
}

TEST_F(StatePlayTest, QuickPauseFramesStepAsDocumented) {
    Preferences::getInstance()->set_autoPauseEnabled(true);
    LevelRun run(new StatePlay(infinityPath, false, false));
    ASSERT_TRUE(StatePlay::quickPauseEnabled);
    touch(run, 500, 300);
    EXPECT_EQ(Entity::time, 1);
    idle(run);
    EXPECT_EQ(Entity::time, 2) << "the frame that lifts the finger steps";
    EXPECT_TRUE(run.play->isQuickPaused());
    idle(run);
    idle(run);
    EXPECT_EQ(Entity::time, 2) << "paused";
    touch(run, 500, 300);
    EXPECT_EQ(Entity::time, 2) << "the touch that resumes does not step";
    EXPECT_FALSE(run.play->isQuickPaused());
    touch(run, 500, 300);
    EXPECT_EQ(Entity::time, 3);
    // A key held while the finger lifts keeps the game going.
    State::keyIsPressedBitArray = 0x2;
    run.play->updateState();
    EXPECT_FALSE(run.play->isQuickPaused());
}

TEST_F(StatePlayTest, NoQuickPauseDuringPlayback) {
    int id = recordGame(20);
    Preferences::getInstance()->set_autoPauseEnabled(true);
    LevelRun run(new StatePlay(id, false, "r"));
    ASSERT_TRUE(StatePlay::quickPauseEnabled);
    touch(run, 500, 300);
    idle(run);
    idle(run);
    EXPECT_FALSE(run.play->isQuickPaused());
    EXPECT_EQ(run.play->getStepIndex(), 3);
}

TEST_F(StatePlayTest, TheFrameThatOpensTheMenuStillSteps) {
    LevelRun run(new StatePlay(infinityPath, false, false));
    idle(run);
    run.play->setPause();
    idle(run);
    EXPECT_TRUE(run.play->isMenuOpen());
    EXPECT_EQ(Entity::time, 2);
    for (int i = 0; i < 20; i++)
        idle(run);
    EXPECT_EQ(Entity::time, 2);
    EXPECT_EQ(run.play->getReplay()->getSizeOfReplay(), 2);
    // Continue closes the menu and the game goes on.
    ASSERT_TRUE(run.play->getMenu()->isOpen());
    run.play->getMenu()->getContinueButton()->externalyPressed();
    idle(run);
    EXPECT_FALSE(run.play->isMenuOpen());
    idle(run);
    EXPECT_EQ(Entity::time, 3);
}

TEST_F(StatePlayTest, MenuQuitLeavesByMode) {
    int id = recordGame(30);
    struct Case {
        const char* name;
        std::function<StatePlay*()> make;
        int type;
        std::function<bool(State*)> isExpected;
    } cases[] = {
        {"campaign", [] { return new StatePlay(campaignPath, true, false); }, 2,
         [](State* s) { return dynamic_cast<StateChooseCampaign*>(s) != nullptr; }},
        // Both flags: the campaign is asked first.
        {"campaign and tutorial", [] { return new StatePlay(tutorialPath, true, true); }, 2,
         [](State* s) { return dynamic_cast<StateChooseCampaign*>(s) != nullptr; }},
        {"tutorial", [] { return new StatePlay(tutorialPath, false, true); }, 3,
         [](State* s) { return dynamic_cast<StateFirstMenu*>(s) != nullptr; }},
        {"infinity", [] { return new StatePlay(infinityPath, false, false); }, 2,
         [](State* s) {
             auto* level = dynamic_cast<StateChooseLevel*>(s);
             // -1 was asked for: the level chosen last.
             return level && level->getLevelNumber() == Preferences::getInstance()->getLastChosenLevelNumber();
         }},
        {"playback", [id] { return new StatePlay(id, false, "r"); }, 2,
         [](State* s) { return dynamic_cast<StateChooseLevel*>(s) != nullptr; }},
    };
    for (const Case& c : cases) {
        LevelRun run(c.make());
        quitThroughMenu(run);
        ASSERT_NE(run.next, nullptr) << c.name;
        EXPECT_EQ(run.nextType, c.type) << c.name;
        EXPECT_TRUE(c.isExpected(run.next)) << c.name;
        // It answers once.
        EXPECT_EQ(run.play->updateState(), nullptr);
    }
}

TEST_F(StatePlayTest, EndsOfAGameByMode) {
    Achievements::reloadForTests();
    Achievements* achievements = Achievements::getInstance();
    Preferences* prefs = Preferences::getInstance();
    prefs->setDifficultySettings(1);
    std::string tutorial = tutorialPath, campaign = campaignPath;

    // The tutorial returns to the first menu and marks nothing, even when it
    // is also called a campaign: the tutorial is asked first.
    for (bool alsoCampaign : {false, true}) {
        LevelRun run(new StatePlay(tutorialPath, alsoCampaign, true));
        Game::setScore(10);
        StatePlay::gameIsFinished = true;
        EXPECT_FALSE(idle(run));
        EXPECT_NE(dynamic_cast<StateFirstMenu*>(run.next), nullptr);
        EXPECT_EQ(run.nextType, 2);
        EXPECT_FALSE(achievements->isCampaignLevelFinished(tutorial, 1));
    }
    // A campaign level lost: play again, or the chooser when that screen is skipped.
    for (bool skip : {false, true}) {
        prefs->set_skipPlayAgainMenu(skip);
        LevelRun run(new StatePlay(campaignPath, true, false));
        idle(run);
        StatePlay::gameIsFinished = true;
        idle(run);
        auto* again = dynamic_cast<StateRestartGame*>(run.next);
        EXPECT_EQ(again != nullptr, !skip);
        EXPECT_EQ(dynamic_cast<StateChooseCampaign*>(run.next) != nullptr, skip);
        if (again) {
            EXPECT_EQ(again->levelPath, campaignPath);
            EXPECT_TRUE(again->isCampaign);
        }
        EXPECT_FALSE(achievements->isCampaignLevelFinished(campaign, 1));
    }
    // Any other score, negative too, finishes the level with its frames as
    // the time. A run that does not draw them (the simulator) counts them as
    // the game, which draws every one: a time of 0 would beat every real one.
    int times[2] = {-1, -1};
    for (bool draw : {true, false}) {
        SCOPED_TRACE(draw ? "drawn" : "not drawn");
        LevelRun run(new StatePlay(campaignPath, true, false));
        for (int i = 0; i < 7; i++)
            idle(run, draw);
        run.play->setPause();
        idle(run, draw);  // the menu's frames count too
        run.play->getMenu()->getContinueButton()->externalyPressed();
        for (int i = 0; i < 30 && run.play->isMenuOpen(); i++)
            idle(run, draw);
        Game::setScore(-5);
        StatePlay::gameIsFinished = true;
        times[draw] = run.play->getFrameCount();
        idle(run, draw);
        EXPECT_NE(dynamic_cast<StateChooseCampaign*>(run.next), nullptr);
        EXPECT_GT(times[draw], 8);
        // Marked at the game's difficulty, and written: it is there after a reload.
        Achievements::reloadForTests();
        achievements = Achievements::getInstance();
        EXPECT_TRUE(achievements->isCampaignLevelFinished(campaign, 1));
        EXPECT_FALSE(achievements->isCampaignLevelFinished(campaign, 0));
        EXPECT_EQ(achievements->getCampaignLevelTime(campaign, 1), times[draw]);
    }
    EXPECT_EQ(times[false], times[true]);
    // An infinity game saves its replay and goes to the score entry.
    {
        LevelRun run(new StatePlay(infinityPath, false, false));
        idle(run);
        Game::setScore(1234);
        StatePlay::gameIsFinished = true;
        idle(run);
        auto* confirm = dynamic_cast<StateConfirmScore*>(run.next);
        ASSERT_NE(confirm, nullptr);
        EXPECT_EQ(confirm->score, 1234);
        EXPECT_EQ(confirm->level, infinityPath);
        EXPECT_EQ(confirm->replay, 1);
        Replay saved(1, false);
        EXPECT_EQ(saved.getSizeOfReplay(), 2);
    }
    // ... and passes -1 on when the replay cannot be written.
    {
        LevelRun run(new StatePlay(infinityPath, false, false));
        idle(run);
        StatePlay::gameIsFinished = true;
        {
            FileSizeLimit full(0);
            idle(run);
        }
        auto* confirm = dynamic_cast<StateConfirmScore*>(run.next);
        ASSERT_NE(confirm, nullptr);
        EXPECT_EQ(confirm->replay, -1);
        EXPECT_FALSE(dir.documentExists("replay_local_2.txt"));
    }
}

TEST_F(StatePlayTest, PlaybackEndsOnTheLastRecordedStep) {
    int id;
    {
        LevelRun run(new StatePlay(infinityPath, false, false));
        for (int i = 0; i < 25; i++)
            idle(run);
        StatePlay::gameIsFinished = true;
        idle(run);
        id = dynamic_cast<StateConfirmScore*>(run.next)->replay;
    }
    LevelRun run(new StatePlay(id, false, "r"));
    EXPECT_EQ(run.play->getReplay()->getSizeOfReplay(), 26);
    run.play->getFastForwardButton()->externalyPressed();
    // The script would end the game on step 26; here the test does.
    while (run.play->getStepIndex() < 25)
        ASSERT_TRUE(idle(run));
    EXPECT_EQ(run.play->getStepIndex(), 25);
    StatePlay::gameIsFinished = true;
    EXPECT_FALSE(idle(run));
    EXPECT_EQ(run.play->getStepIndex(), 26) << "an end in the middle of five steps leaves at once";
    EXPECT_NE(dynamic_cast<StateChooseLevel*>(run.next), nullptr);
    EXPECT_EQ(run.nextType, 2);
}

TEST_F(StatePlayTest, UnplayableReplaysRunNothingAndLeave) {
    const std::string path = infinityPath + "\n";
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"missing", ""},
        {"count 2^30", path + "1\n0\n1\n1073741824\n" + std::string(4, 'a')},
        {"count 0x40000001", path + "1\n0\n1\n1073741825\n" + std::string(4, 'a')},
        {"count -1", path + "1\n0\n1\n-1\n"},
        {"no line feed", path + "1\n0\n1\n0"},
        {"truncated header", path + "1\n"},
        {"empty path", "\n1\n0\n1\n0\n"},
        {"graphic path", "/data/graphics/shipGraphic.lua\n1\n0\n1\n0\n"},
        {"campaign path", campaignPath + "\n1\n0\n1\n0\n"},
        {"ship 99", path + "1\n99\n1\n0\n"},
    };
    for (const Case& c : cases) {
        if (c.bytes.empty())
            Replay::tryTodeleteFile(4, true);
        else
            dir.writeDocument("replay_web_4.txt", c.bytes);
        int before = (int)Entity::entityVector.size();
        LevelRun run(new StatePlay(4, true, "bad"));
        EXPECT_FALSE(run.play->isRunnable()) << c.name;
        run.play->draw();
        EXPECT_FALSE(idle(run, true)) << c.name;
        EXPECT_NE(dynamic_cast<StateChooseLevel*>(run.next), nullptr) << c.name;
        EXPECT_EQ(run.nextType, 2);
        EXPECT_EQ(run.play->updateState(), nullptr);
        EXPECT_EQ((int)Entity::entityVector.size(), before);
    }
    // A playable one with no entry at all plays zero records until its script ends it.
    dir.writeDocument("replay_web_4.txt", path + "1\n0\n1\n0\n");
    LevelRun run(new StatePlay(4, true, "empty"));
    ASSERT_TRUE(run.play->isRunnable());
    EXPECT_TRUE(idle(run));
    EXPECT_TRUE(idle(run));
    EXPECT_EQ(StatePlay::joysticks->getMoveJoystickNorm(), 0.0f);
}

TEST_F(StatePlayTest, OkButtonCountsOnlyInALiveGame) {
    int id = recordGame(10);
    for (bool playback : {false, true}) {
        LevelRun run(playback ? new StatePlay(id, false, "r") : new StatePlay(campaignPath, true, false));
        StatePlay::drawOkButton = true;
        State::keyJustGotPressedBitArray = 0x20;
        run.play->updateState();
        EXPECT_EQ(StatePlay::buttonWasPressed, !playback);
        StatePlay::buttonWasPressed = false;
        State::keyJustGotPressedBitArray = 0;
        run.play->getOkButton()->externalyPressed();
        run.play->updateState();
        EXPECT_EQ(StatePlay::buttonWasPressed, !playback);
        StatePlay::buttonWasPressed = false;
        // Hidden, it counts nothing.
        StatePlay::drawOkButton = false;
        State::keyJustGotPressedBitArray = 0x100;
        run.play->updateState();
        EXPECT_FALSE(StatePlay::buttonWasPressed);
    }
}

TEST_F(StatePlayTest, ALoadErrorIsPrintedBeforeTheMissingInitEndsTheProcess) {
    addLevel(campaignPath, "function init( end");
    // The game has threads (sound): the child runs the test again from its start.
    SavedValue<std::string> style(::testing::FLAGS_gtest_death_test_style, "threadsafe");
    EXPECT_EXIT(delete new StatePlay(campaignPath, true, false), testing::ExitedWithCode(1),
                "level script /data/levels/campaign0/digest/digest.lua: .*expected near 'end'");
}

namespace {
// Whether the script module offers every one of the functions.
bool moduleHas(std::initializer_list<const char*> names) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    bool all = true;
    for (const char* name : names) {
        lua_getglobal(L, "zorbix");
        if (lua_istable(L, -1))
            lua_getfield(L, -1, name);
        else
            lua_pushnil(L);
        all = all && lua_isfunction(L, -1);
        lua_pop(L, 2);
    }
    lua_close(L);
    return all;
}
}  // namespace

TEST_F(StatePlayTest, WhatTheScriptsInitSetsIsResetExceptTheCamera) {
    if (!moduleHas({"setMapBoundaries", "setScore", "setHudString1", "setHudString2", "setButtonIsVisible",
                    "setButtonWasPressed", "setQuickPauseEnabled", "setCameraXY", "setCameraZoom",
                    "setGameIsFinished"}))
        GTEST_SKIP() << "the script module does not offer these functions yet";
    const std::string level = R"(
zorbix.setMapBoundaries(5000, 4000)
function init()
    zorbix.setScore(50)
    zorbix.setHudString1("one")
    zorbix.setHudString2("two")
    zorbix.setButtonIsVisible(true)
    zorbix.setButtonWasPressed(true)
    zorbix.setQuickPauseEnabled(true)
    zorbix.setCameraXY(300, 400)
    zorbix.setCameraZoom(510)
    if finishAtOnce then zorbix.setGameIsFinished(true) end
end
function update() end
)";
    addLevel(campaignPath, level);
    Preferences::getInstance()->set_autoPauseEnabled(false);
    {
        LevelRun run(new StatePlay(campaignPath, true, false));
        // The top-level call is forgotten: the level's init set no size.
        EXPECT_EQ(SpacePartition::boundaries.x, 100.0f);
        EXPECT_EQ(SpacePartition::boundaries.y, 100.0f);
        EXPECT_EQ(Game::getScore(), 0);
        EXPECT_EQ(StatePlay::HUDString1, "");
        EXPECT_EQ(StatePlay::HUDString2, "");
        EXPECT_FALSE(StatePlay::drawOkButton);
        EXPECT_FALSE(StatePlay::buttonWasPressed);
        EXPECT_FALSE(StatePlay::quickPauseEnabled);
        EXPECT_EQ(StatePlay::camera.x, 300.0f);
        EXPECT_EQ(StatePlay::camera.y, 400.0f);
        EXPECT_EQ(StatePlay::getCameraZoom(), 2.0f);
        EXPECT_EQ(StatePlay::realZoom, 2.0f * Device::zoom);
        EXPECT_TRUE(idle(run));
    }
    // Finished in init: the game ends at the end of its first step.
    addLevel(campaignPath, "finishAtOnce = true\n" + level);
    LevelRun run(new StatePlay(campaignPath, true, false));
    EXPECT_FALSE(idle(run));
    EXPECT_EQ(Entity::time, 1);
    EXPECT_NE(dynamic_cast<StateRestartGame*>(run.next), nullptr);
}

TEST_F(StatePlayTest, ModelsThatDrewRandomNumbersAreRebuiltForEveryGame) {
    const std::string path = "/data/graphics/testRandomGraphic.lua";
    addLevel(path,
             "require \"/data/functions/commonGraphicFunctions\"\n"
             "graphic = new2DGraphic(1)\n"
             "add2DLine(graphic[1], 0, 0, math.rand() % 100, 50, getColor(255, 255, 255))\n");
    static VectorModel* held = nullptr;
    VectorModel::loadFromLuaScriptInStaticVar(path, &held);
    ASSERT_NE(held, nullptr);
    ASSERT_TRUE(held->getUsesRandomNumbers());
    // A new game drops the model and every class-wide variable that held it.
    delete new StatePlay(campaignPath, true, false);
    EXPECT_EQ(held, nullptr);
    VectorModel::loadFromLuaScriptInStaticVar(path, &held);
    EXPECT_NE(held, nullptr);
    delete new StatePlay(campaignPath, true, false);
    EXPECT_EQ(held, nullptr);
}

TEST_F(StatePlayTest, TheGamesSeedAlsoSeedsTheSecondaryGenerator) {
    int id = recordGame(5);
    Replay replay(id, false);
    uint32_t first[2];
    for (uint32_t& value : first) {
        Game::seedSecondary(12345);
        delete new StatePlay(id, false, "r");
        value = Game::secondaryRand();
    }
    EXPECT_EQ(first[0], first[1]);
    Game::seedSecondary((unsigned int)replay.header->seed);
    EXPECT_EQ(Game::secondaryRand(), first[0]);
}
