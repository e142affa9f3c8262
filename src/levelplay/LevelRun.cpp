// A play screen driven directly, frame by frame.
#include "levelplay/LevelRun.h"

#include "core/State.h"
#include "core/StateTransition.h"
#include "levelplay/StatePlay.h"

LevelRun::LevelRun(StatePlay* p) : play(p) {}

LevelRun::~LevelRun() {
    delete next;
    delete play;
}

bool LevelRun::frame(const int touchX[2], const int touchY[2], bool draw) {
    if (next)
        return false;
    for (int i = 0; i < 2; i++) {
        State::touchX[i] = touchX[i];
        State::touchY[i] = touchY[i];
        State::joystickNorm[i] = -1.0f;
        State::joystickAngle[i] = 0.0f;
    }
    State::keyIsPressedBitArray = 0;
    State::keyJustGotPressedBitArray = 0;
    frames++;
    StateTransition* t = play->updateState();
    if (draw)
        play->draw();
    else
        play->skipDraw();
    if (!t)
        return true;
    next = t->next;
    nextType = t->type;
    delete t;
    return false;
}
