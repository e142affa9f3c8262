// Every edge of the screen flow, driven through the real loop: each one
// shows a screen, acts as a player would, and checks the screen reached, the
// switch's type and what was written.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>

#include "core/StateTransition.h"
#include "levelplay/Replay.h"
#include "screens/ChooseCampaign.h"
#include "screens/ChooseInfinity.h"
#include "screens/InfinityButton.h"
#include "screens/LevelMenu.h"
#include "screens/StateAbout.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseInfinity.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateChooseShipModel.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFailedToConnectToServer.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateReplayDoesNotExist.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSettings.h"
#include "screens/StateShowInfo.h"
#include "screens/StateSuggestTuto.h"
#include "support/FlowDriver.h"
#include "widgets/MainMenu.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/SettingsMenu.h"

namespace {

std::string firstInfinityPath() { return LevelList::getInstance()->getLevelInformation(0)->path; }
std::string firstCampaignPath() { return LevelList::getInstance()->getCampaign(0)->get(0)->path; }

struct Edge {
    const char* name;
    std::function<State*()> make;
    std::function<void(FlowDriver&, State*)> act;
    std::function<bool(State*)> reached;
    int type;
};

template <class T>
std::function<bool(State*)> is() {
    return [](State* s) { return dynamic_cast<T*>(s) != nullptr; };
}

template <class T>
std::function<void(FlowDriver&, State*)> tapOn(std::function<Button*(T*)> pick) {
    return [pick](FlowDriver& d, State* s) { d.tap(pick(static_cast<T*>(s))); };
}

std::function<void(FlowDriver&, State*)> pressKey(const char* name) {
    return [name](FlowDriver& d, State*) { d.key(name); };
}

}  // namespace

class FlowTable : public FlowTest {
protected:
    static const int REST_FRAMES = 60;

    // Shows the screen, acts, waits for the switch and checks it.
    void walk(const Edge& e) {
        SCOPED_TRACE(e.name);
        State* screen = e.make();
        driver.show(screen);
        // Panels that slide in or spring back come to rest first.
        driver.run(REST_FRAMES);
        int before = driver.switchCount();
        e.act(driver, screen);
        ASSERT_TRUE(driver.settle());
        EXPECT_EQ(driver.switchCount(), before + 1) << "one switch per visit";
        State& shown = *driver.current();
        EXPECT_TRUE(e.reached(&shown)) << typeid(shown).name();
        EXPECT_EQ(driver.lastSwitchType(), e.type);
    }
};

TEST_F(FlowTable, MenusAndTheirBackExits) {
    auto gameType = [] { return new StateChooseGameType(); };
    const Edge edges[] = {
        {"first menu: Play, tutorial not done", [] { return new StateFirstMenu(); },
         tapOn<StateFirstMenu>([](StateFirstMenu* s) { return s->getMenu()->getPlayButton(); }), is<StateSuggestTuto>(),
         1},
        {"first menu: Settings", [] { return new StateFirstMenu(); },
         tapOn<StateFirstMenu>([](StateFirstMenu* s) { return s->getMenu()->getSettingsButton(); }),
         is<StateSettings>(), 4},
        {"suggestion: Skip", [] { return new StateSuggestTuto(); },
         tapOn<StateSuggestTuto>([](StateSuggestTuto* s) { return s->getSkipButton(); }), is<StateChooseGameType>(), 1},
        {"first menu: Play, tutorial done",
         [] {
             Preferences::getInstance()->set_hasDoneTutorial(true);
             return new StateFirstMenu();
         },
         tapOn<StateFirstMenu>([](StateFirstMenu* s) { return s->getMenu()->getPlayButton(); }),
         is<StateChooseGameType>(), 1},
        {"game type: Campaign", gameType,
         tapOn<StateChooseGameType>([](StateChooseGameType* s) { return s->getCampaignButton(); }),
         is<StateChooseCampaignNumber>(), 1},
        {"game type: Infinity", gameType,
         tapOn<StateChooseGameType>([](StateChooseGameType* s) { return s->getInfinityButton(); }),
         is<StateChooseInfinity>(), 1},
        {"game type: Select Ship", gameType,
         tapOn<StateChooseGameType>([](StateChooseGameType* s) { return s->getShipButton(); }),
         is<StateChooseShipModel>(), 1},
        {"game type: back key", gameType, pressKey("Escape"), is<StateFirstMenu>(), 2},
        {"ship model: back", [] { return new StateChooseShipModel(); }, pressKey("Escape"), is<StateChooseGameType>(),
         2},
        {"chapters: Chapter One", [] { return new StateChooseCampaignNumber(); },
         tapOn<StateChooseCampaignNumber>([](StateChooseCampaignNumber* s) { return s->getChapterButton(0); }),
         is<StateChooseCampaign>(), 1},
        {"chapters: back", [] { return new StateChooseCampaignNumber(); }, pressKey("Escape"),
         is<StateChooseGameType>(), 2},
        {"campaign levels: back", [] { return new StateChooseCampaign(nullptr); }, pressKey("Escape"),
         is<StateChooseCampaignNumber>(), 2},
        {"settings: back", [] { return new StateSettings(); }, pressKey("Escape"), is<StateFirstMenu>(), 3},
        {"stick layout: OK", [] { return new StateConfigureJoysticks(); },
         tapOn<StateConfigureJoysticks>([](StateConfigureJoysticks* s) { return s->getOkButton(); }),
         is<StateSettings>(), 3},
        {"stick layout: back key", [] { return new StateConfigureJoysticks(); }, pressKey("Escape"),
         is<StateSettings>(), 3},
        {"infinity: first level", [] { return new StateChooseInfinity(); },
         tapOn<StateChooseInfinity>([](StateChooseInfinity* s) { return s->getPanel()->getButtons()[0]->getButton(); }),
         is<StateChooseLevel>(), 1},
        {"infinity: back", [] { return new StateChooseInfinity(); }, pressKey("Escape"), is<StateChooseGameType>(), 2},
        {"level: back", [] { return new StateChooseLevel(0); }, pressKey("Escape"), is<StateChooseInfinity>(), 2},
        {"level: Start", [] { return new StateChooseLevel(0); },
         tapOn<StateChooseLevel>([](StateChooseLevel* s) { return s->getPanel()->getStartButton(); }),
         is<StateShowInfo>(), 1},
        {"about: back", [] { return new StateAbout(); }, pressKey("Escape"), is<StateFirstMenu>(), 4},
        {"failure: Ok", [] { return new StateFailedToConnectToServer(StateTransition::TRANSITION_2); },
         tapOn<StateFailedToConnectToServer>([](StateFailedToConnectToServer* s) { return s->getOkButton(); }),
         is<StateChooseLevel>(), 2},
        {"failure: back key", [] { return new StateFailedToConnectToServer(StateTransition::TRANSITION_2); },
         pressKey("Escape"), is<StateChooseLevel>(), 2},
        {"replay missing: Ok", [] { return new StateReplayDoesNotExist(); },
         tapOn<StateReplayDoesNotExist>([](StateReplayDoesNotExist* s) { return s->getOkButton(); }),
         is<StateChooseLevel>(), 1},
        {"play again: No, campaign", [] { return new StateRestartGame(firstCampaignPath(), true); },
         tapOn<StateRestartGame>([](StateRestartGame* s) { return s->getNoButton(); }), is<StateChooseCampaign>(), 2},
        {"play again: back key, infinity", [] { return new StateRestartGame(firstInfinityPath(), false); },
         pressKey("Escape"), is<StateChooseLevel>(), 2},
    };
    for (const Edge& e : edges)
        walk(e);
}

TEST_F(FlowTable, EdgesIntoAndOutOfAGame) {
    const Edge edges[] = {
        {"first menu: Tutorial", [] { return new StateFirstMenu(); },
         tapOn<StateFirstMenu>([](StateFirstMenu* s) { return s->getMenu()->getTutorialButton(); }), is<StatePlay>(),
         1},
        {"suggestion: Start tutorial", [] { return new StateSuggestTuto(); },
         tapOn<StateSuggestTuto>([](StateSuggestTuto* s) { return s->getStartButton(); }), is<StatePlay>(), 1},
        {"campaign levels: first level", [] { return new StateChooseCampaign(nullptr); },
         tapOn<StateChooseCampaign>([](StateChooseCampaign* s) { return &s->getPanel()->getButtons()[0]->button; }),
         is<StatePlay>(), 1},
        {"information: Ok!", [] { return new StateShowInfo(new StatePlay(firstInfinityPath(), false, false), 0); },
         tapOn<StateShowInfo>([](StateShowInfo* s) { return s->getOkButton(); }), is<StatePlay>(), 1},
        {"information: Return key",
         [] { return new StateShowInfo(new StatePlay(firstInfinityPath(), false, false), 0); }, pressKey("Return"),
         is<StatePlay>(), 1},
        {"information: back key", [] { return new StateShowInfo(new StatePlay(firstInfinityPath(), false, false), 0); },
         pressKey("Escape"), is<StateChooseLevel>(), 2},
        {"play again: Yes", [] { return new StateRestartGame(firstCampaignPath(), true); },
         tapOn<StateRestartGame>([](StateRestartGame* s) { return s->getYesButton(); }), is<StatePlay>(), 1},
    };
    for (const Edge& e : edges)
        walk(e);
}
