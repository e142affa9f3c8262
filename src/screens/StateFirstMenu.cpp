// The title screen: main menu answers to switches, replay clean-up.
#include "screens/StateFirstMenu.h"

#include <algorithm>
#include <cstdlib>

#include "core/StateTransition.h"
#include "core/myfopen.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "screens/StateAbout.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateSettings.h"
#include "screens/StateSuggestTuto.h"
#include "widgets/MainMenu.h"

const char* const StateFirstMenu::TUTORIAL_PATH = "/data/levels/campaign0/tutorial/tutorial.lua";

// The main menu's answers.
enum MenuCode { PLAY = 1, ABOUT = 2, SETTINGS = 3, MUSIC_ON = 4, MUSIC_OFF = 5, TUTORIAL = 6 };

StateFirstMenu::StateFirstMenu() {
    // Downloaded replays can be fetched again: the clean-up removes them, one
    // name per update, in a fixed order. Own replays are never removed.
    documentNames = listDocuments();
    std::sort(documentNames.begin(), documentNames.end());
    menu = new MainMenu();
}

StateFirstMenu::~StateFirstMenu() { delete menu; }

void StateFirstMenu::draw() { menu->draw(); }

void StateFirstMenu::backButtonIsPressed() { exit(0); }

StateTransition* StateFirstMenu::updateState() {
    Replay::cleanupTheReplays(&documentNames, cleanUpCounter);
    cleanUpCounter++;
    int code = menu->update(State::keyJustGotPressedBitArray);
    // Touches reach the screens while they turn: a press then would make a
    // game while the one turning away still runs.
    if (!active)
        return nullptr;
    Preferences* p = Preferences::getInstance();
    switch (code) {
    case PLAY:
        if (p->get_hasDoneTutorial())
            return new StateTransition(new StateChooseGameType(), StateTransition::TRANSITION_1);
        return new StateTransition(new StateSuggestTuto(), StateTransition::TRANSITION_1);
    case SETTINGS: return new StateTransition(new StateSettings(), StateTransition::TRANSITION_4);
    case ABOUT: return new StateTransition(new StateAbout(), StateTransition::TRANSITION_3);
    case MUSIC_ON:
    case MUSIC_OFF:
        p->setMusicEnabled(code == MUSIC_ON);
        p->save();
        return nullptr;
    case TUTORIAL:
        p->set_hasDoneTutorial(true);
        p->save();
        return new StateTransition(new StatePlay(TUTORIAL_PATH, false, true), StateTransition::TRANSITION_1);
    }
    return nullptr;
}
