// The level screen: the level menu's answers, replays checked before playing.
#include "screens/StateChooseLevel.h"

#include "core/StateTransition.h"
#include "core/myfopen.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/LevelMenu.h"
#include "screens/StateChooseInfinity.h"
#include "screens/StateDownloadFile.h"
#include "screens/StateSendScores.h"
#include "screens/StateShowInfo.h"
#include "widgets/BackButton.h"

// The level menu's answers; a replay of row i answers FIRST_ROW + i.
enum LevelMenuCode { START = 1, BACK = 2, UPLOAD = 4, REFRESH = 5, FIRST_ROW = 6 };

StateChooseLevel::StateChooseLevel(int number) {
    levelNumber = number == LAST_CHOSEN ? Preferences::getInstance()->getLastChosenLevelNumber() : number;
    // A number outside the catalogue (a damaged preference) opens level 0.
    if (levelNumber < 0 || levelNumber >= LevelList::getInstance()->getNumberOfLevels())
        levelNumber = 0;
    panel = new LevelMenu(levelNumber);
}

StateTransition* StateChooseLevel::backToLastChosen(int type) {
    return new StateTransition(new StateChooseLevel(LAST_CHOSEN), type);
}

StateChooseLevel::~StateChooseLevel() {
    Preferences::getInstance()->setLastChosenLevelNumber(levelNumber);
    Preferences::getInstance()->save();
    delete panel;
}

void StateChooseLevel::draw() { panel->draw(); }

void StateChooseLevel::backButtonIsPressed() { panel->getBackButton()->externalyPressed(); }

StateTransition* StateChooseLevel::updateState() {
    int code = panel->update(State::keyJustGotPressedBitArray);
    if (leaving || !active)
        return nullptr;
    const LevelInformation* entry = LevelList::getInstance()->getLevelInformation(levelNumber);
    if (!entry)
        return nullptr;
    switch (code) {
    case START:
        leaving = true;
        return new StateTransition(new StateShowInfo(new StatePlay(entry->path, false, false), levelNumber),
                                   StateTransition::TRANSITION_1);
    case BACK: leaving = true; return new StateTransition(new StateChooseInfinity(), StateTransition::TRANSITION_2);
    case UPLOAD: leaving = true; return new StateTransition(new StateSendScores(), StateTransition::TRANSITION_1);
    case REFRESH:
        leaving = true;
        return new StateTransition(new StateDownloadFile(0, 0, ""), StateTransition::TRANSITION_1);
    }
    if (code < FIRST_ROW)
        return nullptr;
    int row = code - FIRST_ROW;
    Scores* scores = Scores::getInstance();
    bool local = panel->getIsShowingLocalScores();
    ScoresForALevel* list =
        local ? scores->getLocalScoresForLevel(entry->path) : scores->getWebScoresForLevel(entry->path);
    if (!list || row >= (int)list->scores.size())
        return nullptr;
    Score* score = list->scores[row];
    if (local) {
        // An own replay that is missing or damaged does nothing.
        if (!Replay::isPlayable(Replay::getPath(score->replay, false)))
            return nullptr;
        leaving = true;
        return new StateTransition(new StatePlay(score->replay, false, score->name), StateTransition::TRANSITION_1);
    }
    leaving = true;
    if (Replay::replayExists(score->replay, true)) {
        if (Replay::isPlayable(Replay::getPath(score->replay, true)))
            return new StateTransition(new StatePlay(score->replay, true, score->name), StateTransition::TRANSITION_2);
        // A stored world replay that cannot be played is fetched again.
        myRemoveForDocument(Replay::getPath(score->replay, true));
    }
    return new StateTransition(new StateDownloadFile(1, score->replay, score->name), StateTransition::TRANSITION_1);
}
