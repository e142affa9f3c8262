// The level information screen and the hand-over of the prepared game.
#include "screens/StateShowInfo.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "core/KeyPress.h"
#include "core/StateTransition.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "screens/StateChooseLevel.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"

StateShowInfo::StateShowInfo(State* playScreen, int levelNumber) : held(playScreen) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    bool small = Device::screenHeight <= SMALL_SCREEN_HEIGHT;
    if (const LevelInformation* entry = LevelList::getInstance()->getLevelInformation(levelNumber)) {
        float x = 0.9f * W;
        for (const std::string& text : entry->description) {
            DrawableString* s = new DrawableString(text, Coord(x, small ? 0.95f * H : 0.8f * H, 0));
            s->setZoom(small ? 0.0024f * H : 0.0015f * H);
            lines.push_back(s);
            x -= 0.07f * W;
        }
    }
    ok = new Button("Ok!", Coord(0.1f * H, 0.5f * H, 0), Button::DECORATION_CUT);
    ok->setWidthAndHeight(Coord(0.15f * H, 0.4f * H, 0));
    ok->setIsHighlighted(true);
}

StateShowInfo::~StateShowInfo() {
    delete held;
    for (DrawableString* s : lines)
        delete s;
    delete ok;
}

void StateShowInfo::backButtonIsPressed() { backRequested = true; }

void StateShowInfo::draw() {
    for (DrawableString* s : lines) {
        glColor4f(1, 1, 1, 1);
        s->draw();
    }
    ok->drawWithColor(Color(1, 1, 0));
}

StateTransition* StateShowInfo::updateState() {
    if (!held)
        return nullptr;
    bool pressed = ok->update();
    int keys = State::keyJustGotPressedBitArray & (KeyPress::BIT_KEY_PRESS | KeyPress::BIT_KEY_SHOOT_DOWN);
    // Game drops an answer given while the screen turns in: the game it
    // holds is handed over only by a press that leaves.
    if (!active)
        return nullptr;
    if (pressed || keys) {
        // The game now belongs to the switch.
        State* game = held;
        held = nullptr;
        return new StateTransition(game, StateTransition::TRANSITION_1);
    }
    if (backRequested) {
        delete held;
        held = nullptr;
        backRequested = false;
        return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
    }
    return nullptr;
}
