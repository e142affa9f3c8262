// The score entry: medals, the nickname keyboard, the score kept on OK.
#include "screens/StateConfirmScore.h"

#include <GLES/gl.h>

#include <cstdio>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "levelplay/Replay.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateRestartGame.h"
#include "widgets/Button.h"
#include "widgets/NavigationNode.h"
#include "widgets/OpenGLKeyboard.h"

static const char* const BRONZE_TEXT = "^7You have obtained the ^ubronze^7 medal!";
static const char* const SILVER_TEXT = "^7You have obtained the ^;silver^7 medal!";
static const char* const GOLD_TEXT = "^7You have obtained the ^[gold^7 medal!";
static const int MAX_NICKNAME_LENGTH = 22;
// The fourth value stored with a local score.
static const int LOCAL_SCORE_FOURTH = 2;
// Texts that unlock everything, and the name they leave.
static const char* const UNLOCK_CAMPAIGN_TEXT = "I like Kwazoo";
static const char* const UNLOCK_MEDALS_TEXT = "I dig Rok";
static const char* const UNLOCKED_NAME = "^dTi^$rlo";

StateConfirmScore::StateConfirmScore(std::string level_, int score_, int replay_, int time_)
    : level(level_), score(score_), replay(replay_), time(time_) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    char buffer[100];
    snprintf(buffer, sizeof buffer, "^xYou scored : %i", score);
    scoreLine.setString(buffer);
    scoreLine.setZoom(0.003f * W);
    scoreLine.centerY(0.92f * W);
    nameLine.setZoom(0.0024f * W);
    note.setString("^1Offensive nicknames are not accepted on the online board.");
    note.setZoom(0.001f * H);
    note.centerY(0.9f * W);

    InfinityMapResults* r = Achievements::getInstance()->getInfinityMapResults(level);
    if (const LevelInformation* info = LevelList::getInstance()->getLevelInformation(level)) {
        struct {
            int threshold;
            bool* flag;
            const char* text;
        } medals[3] = {{info->bronze, &r->bronze, BRONZE_TEXT},
                       {info->silver, &r->silver, SILVER_TEXT},
                       {info->gold, &r->gold, GOLD_TEXT}};
        for (auto& m : medals) {
            if (score > m.threshold && !*m.flag) {
                *m.flag = true;
                medalLine.setString(m.text);
                medalWon = true;
            }
        }
    }
    if (medalWon) {
        medalLine.setZoom(0.0018f * W);
        medalLine.centerY(0.07f * W);
        Achievements::getInstance()->writeAchievements();
    }

    float unit = H / 10 / 45, shift = 0;
    if (unit > W * 0.125f / 37) {
        unit = W * 0.125f / 37;
        shift = (450 * unit - H) * 0.5f;
    }
    std::string nickname = Preferences::getInstance()->getNickName();
    keyboard = new OpenGLKeyboard(H - 0.5f * H / 10, 148 * unit, unit, shift, nickname, MAX_NICKNAME_LENGTH, this);
    textHasChanged(nickname);

    okButton = new Button("OK", Coord(0.26f * W, 0.5f * H, 0), Button::DECORATION_CUT);
    okButton->setWidthAndHeight(Coord(0.23f * W, 0.45f * H, 0));
    editButton = new Button("Edit name", Coord(0.55f * W, 0.5f * H, 0), Button::DECORATION_CUT);
    editButton->setWidthAndHeight(Coord(0.19f * W, 0.4f * H, 0));
    NavigationNode* ok = navigation.addNode(okButton);
    NavigationNode* edit = navigation.addNode(editButton);
    ok->up = edit;
    edit->down = ok;
}

StateConfirmScore::~StateConfirmScore() {
    delete keyboard;
    delete okButton;
    delete editButton;
}

void StateConfirmScore::backButtonIsPressed() { okButton->externalyPressed(); }

void StateConfirmScore::textHasChanged(std::string text) {
    if (text == UNLOCK_CAMPAIGN_TEXT) {
        Achievements::getInstance()->unlockCampaign();
        text = UNLOCKED_NAME;
    }
    if (text == UNLOCK_MEDALS_TEXT) {
        Achievements::getInstance()->unlockMedals();
        text = UNLOCKED_NAME;
    }
    Preferences::getInstance()->setNickName(text);
    // A name ending in a colour code would lose its last character to the
    // code on the name line: a backspace byte and the character show it.
    if (text.size() > 1 && text[text.size() - 2] == '^') {
        char suffix[100];
        snprintf(suffix, sizeof suffix, "\x08%c", text.back());
        text += suffix;
    }
    Preferences::getInstance()->save();
    nameLine.setString("Save as \" " + text + " ^7\" ");
    nameLine.centerY(0.79f * (float)Device::screenWidth);
}

StateTransition* StateConfirmScore::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    if (keyboardShown) {
        if (keyboard->update() == 1)
            keyboardShown = false;
        return nullptr;
    }
    if (okButton->update()) {
        // Game drops an answer given while the screen turns in: the score is
        // kept only by a press that leaves.
        if (leaving || !active)
            return nullptr;
        std::string name = Preferences::getInstance()->getNickName();
        if (!Scores::getInstance()->addLocalScore(level, name, score, replay, time, LOCAL_SCORE_FOURTH))
            Replay::tryTodeleteFile(replay, false);
        leaving = true;
        if (Preferences::getInstance()->get_skipPlayAgainMenu())
            return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
        return new StateTransition(new StateRestartGame(level, false), StateTransition::TRANSITION_2);
    }
    if (editButton->update()) {
        if (!leaving)
            keyboardShown = true;
    }
    return nullptr;
}

void StateConfirmScore::draw() {
    glColor4f(1, 1, 1, 1);
    nameLine.draw();
    if (keyboardShown) {
        keyboard->draw();
        note.draw();
    } else {
        okButton->drawWithColor(Color(0, 1, 0));
        editButton->draw();
        medalLine.draw();
        scoreLine.draw();
    }
}
