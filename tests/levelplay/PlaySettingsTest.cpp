// The play settings before the preferences are connected: a play screen and
// its replays run with the game's defaults, the values of a fresh "prefs.txt".
#include "levelplay/PlaySettings.h"
#include "support/PlayTestSupport.h"

using namespace playtest;

namespace {
// The hooks as this program started, before its main connected the
// preferences: constants, set before any code of the program runs.
struct Hooks {
    int (*shipModel)() = PlaySettings::shipModel;
    bool (*autoPause)() = PlaySettings::autoPause;
    bool (*campaignAutoPause)() = PlaySettings::campaignAutoPause;
    int (*joysticksPosition)() = PlaySettings::joysticksPosition;
    bool (*skipPlayAgainMenu)() = PlaySettings::skipPlayAgainMenu;
    bool (*replayIs2D)() = PlaySettings::replayIs2D;
    bool (*rotateDuringReplays)() = PlaySettings::rotateDuringReplays;
    int (*nextReplayId)() = PlaySettings::nextReplayId;
    void (*setNextReplayId)(int id) = PlaySettings::setNextReplayId;
};
const Hooks atStart;

class PlaySettingsWithoutPreferences : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        PlaySettings::shipModel = atStart.shipModel;
        PlaySettings::autoPause = atStart.autoPause;
        PlaySettings::campaignAutoPause = atStart.campaignAutoPause;
        PlaySettings::joysticksPosition = atStart.joysticksPosition;
        PlaySettings::skipPlayAgainMenu = atStart.skipPlayAgainMenu;
        PlaySettings::replayIs2D = atStart.replayIs2D;
        PlaySettings::rotateDuringReplays = atStart.rotateDuringReplays;
        PlaySettings::nextReplayId = atStart.nextReplayId;
        PlaySettings::setNextReplayId = atStart.setNextReplayId;
        // The ids count from 1 again, as in a program that just started.
        PlaySettings::setNextReplayId(1);
    }
    void TearDown() override {
        // As the start-up left them for the other tests.
        Preferences::connectHooks();
        PlayTest::TearDown();
    }
};
}  // namespace

TEST_F(PlaySettingsWithoutPreferences, DefaultsAreThoseOfFreshPreferences) {
    Preferences* fresh = Preferences::getInstance();
    EXPECT_EQ(PlaySettings::shipModel(), fresh->getShipModelSelected());
    EXPECT_EQ(PlaySettings::autoPause(), fresh->get_autoPauseEnabled());
    EXPECT_EQ(PlaySettings::campaignAutoPause(), fresh->get_campaignAutoPauseEnabled());
    EXPECT_EQ(PlaySettings::joysticksPosition(), fresh->getJoysticksPosition());
    EXPECT_EQ(PlaySettings::skipPlayAgainMenu(), fresh->get_skipPlayAgainMenu());
    EXPECT_EQ(PlaySettings::replayIs2D(), fresh->get_replayIs2D());
    EXPECT_EQ(PlaySettings::rotateDuringReplays(), fresh->get_rotateDuringReplays());
    EXPECT_EQ(PlaySettings::nextReplayId(), fresh->getNextReplayId());
}

TEST_F(PlaySettingsWithoutPreferences, PlayScreenAndReplaysReadTheDefaults) {
    // Preferences that are not connected change nothing.
    Preferences* prefs = Preferences::getInstance();
    prefs->setShipModelSelected(3);
    prefs->set_autoPauseEnabled(false);
    prefs->setNextReplayId(40);
    int firstId = 0;
    {
        LevelRun run(new StatePlay(infinityPath, false, false));
        ASSERT_TRUE(run.play->isRunnable());
        EXPECT_EQ(StatePlay::shipModelSelected, 0);
        EXPECT_EQ(run.play->getReplay()->header->shipModel, 0);
        EXPECT_TRUE(StatePlay::quickPauseEnabled);
        for (int i = 0; i < 30; i++)
            idle(run, true);
        EXPECT_EQ(run.play->getReplay()->getSizeOfReplay(), 30);
        firstId = run.play->getReplay()->save();
    }

    // The replay ids count from 1 in memory; the preferences keep theirs.
    EXPECT_EQ(firstId, 1);
    EXPECT_EQ(recordGame(10), 2);
    EXPECT_EQ(PlaySettings::nextReplayId(), 3);
    EXPECT_EQ(prefs->getNextReplayId(), 40);
    Preferences::reloadForTests();
    EXPECT_EQ(Preferences::getInstance()->getNextReplayId(), 1) << "no preferences saved";
}
