// The class-wide state a game on the play screen changes: saved before the
// test's games (capture, once the game is started) and put back after them.
#pragma once

#include "core/Coord.h"
#include "core/Game.h"
#include "core/State.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/StatePlay.h"

class PlayScreenState {
public:
    void capture() {
        explosionsWere = Explosion::isActivated;
        texturesWere = TexturedExplosionsHandler::getInstance()->enabled;
        soundWas = SoundManager::getInstance()->enabled;
    }
    void restore() {
        Explosion::isActivated = explosionsWere;
        TexturedExplosionsHandler::getInstance()->enabled = texturesWere;
        SoundManager::getInstance()->enabled = soundWas;
        StatePlay::unpinDifficulty();
        StatePlay::setZoom(1.0f);
        StatePlay::camera = Coord(0, 0, 0);
        StatePlay::gameIsFinished = false;
        StatePlay::quickPauseEnabled = false;
        StatePlay::drawOkButton = StatePlay::buttonWasPressed = false;
        StatePlay::HUDString1 = StatePlay::HUDString2 = "";
        State::keyIsPressedBitArray = State::keyJustGotPressedBitArray = 0;
        for (int i = 0; i < 2; i++) {
            State::touchX[i] = State::touchY[i] = -1;
            State::joystickNorm[i] = -1.0f;
        }
        Game::setScore(0);
        Game::enableBackgroundGrid = true;
    }

    bool explosionsAtCapture() const { return explosionsWere; }

private:
    bool explosionsWere = true, texturesWere = true, soundWas = true;
};
