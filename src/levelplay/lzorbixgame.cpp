// The module's game functions: camera, display, score, game flow, sound and
// the inert ones.
#include <string>

#include "core/Game.h"
#include "core/Vibrator.h"
#include "graphics/AudioPlayer.h"
#include "graphics/SoundManager.h"
#include "levelplay/ScriptValues.h"
#include "levelplay/StatePlay.h"
#include "levelplay/lzorbixlib.h"

// --- Inert functions ---

int zorbix_print(lua_State* L) {
    // Read as a string and dropped: levels print nothing.
    stringArg(L, 1);
    return 0;
}

int zorbix_setBackgroundColor(lua_State*) { return 0; }

// --- Sound, device and music ---

// Sound effects are named "/data/sounds/NAME.caf"; any other name (another
// folder, a way up the tree, a zero byte) plays nothing.
static bool isSoundName(const std::string& name) {
    static const char prefix[] = "/data/sounds/";
    static const char suffix[] = ".caf";
    size_t p = sizeof prefix - 1, s = sizeof suffix - 1;
    return name.size() > p + s && name.compare(0, p, prefix) == 0 && name.compare(name.size() - s, s, suffix) == 0 &&
           name.find("..") == std::string::npos && name.find('\0') == std::string::npos;
}

int zorbix_playSound(lua_State* L) {
    bool positioned = lua_gettop(L) == 3;
    StringArg path = checkedStringArg(L, 1);
    float x = 0.0f, y = 0.0f;
    if (positioned) {
        x = floatArg(L, 2);
        y = floatArg(L, 3);
    }
    std::string name = path.str();
    if (!isSoundName(name))
        return 0;
    if (positioned) {
        Coord p(x, y, 0.0f);
        SoundManager::getInstance()->playSound(name, p);
    } else {
        SoundManager::getInstance()->playSound(name);
    }
    return 0;
}

int zorbix_vibrate(lua_State* L) {
    int n = intArg(L, 1);
    Vibrator::vibrate(n != 0 ? Vibrator::TYPE_LONG : Vibrator::TYPE_SHORT);
    return 0;
}

int zorbix_getMusicAmplitude(lua_State* L) {
    lua_pushinteger(L, AudioPlayer::getInstance()->getAmplitudeOfMusic());
    return 1;
}

// --- Camera ---

int zorbix_setCameraXY(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    Coord c(x, y, 0.0f);
    StatePlay::setCamera(c);
    return 0;
}

int zorbix_setCameraZoom(lua_State* L) {
    lua_Number z = luaL_checknumber(L, 1);
    // The zoom divides the screen size: none of 0 or below.
    if (z > 0)
        StatePlay::setZoom((float)(z / 255.0));
    return 0;
}

int zorbix_setCameraZoom2(lua_State* L) {
    lua_Number z = luaL_checknumber(L, 1);
    if (z > 0)
        StatePlay::setZoom((float)(z / 65025.0));
    return 0;
}

int zorbix_getCameraZoom(lua_State* L) {
    pushTruncated(L, StatePlay::getCameraZoom() * 255.0);
    return 1;
}

int zorbix_setCameraXAngle(lua_State* L) {
    StatePlay::setCameraXAngle(fraction255Arg(L, 1));
    return 0;
}

int zorbix_setCameraYAngle(lua_State* L) {
    StatePlay::setCameraYAngle(fraction255Arg(L, 1));
    return 0;
}

int zorbix_setCameraZAngle(lua_State* L) {
    StatePlay::setCameraZAngle(fraction255Arg(L, 1));
    return 0;
}

// --- Display and controls ---

int zorbix_setHudString1(lua_State* L) {
    StatePlay::HUDString1 = stringArg(L, 1).str();
    return 0;
}

int zorbix_setHudString2(lua_State* L) {
    StatePlay::HUDString2 = stringArg(L, 1).str();
    return 0;
}

int zorbix_setButtonIsVisible(lua_State* L) {
    StatePlay::drawOkButton = boolArg(L, 1);
    return 0;
}

int zorbix_setButtonWasPressed(lua_State* L) {
    StatePlay::buttonWasPressed = boolArg(L, 1);
    return 0;
}

int zorbix_getButtonWasPressed(lua_State* L) {
    lua_pushboolean(L, StatePlay::buttonWasPressed);
    return 1;
}

int zorbix_setQuickPauseEnabled(lua_State* L) {
    StatePlay::quickPauseEnabled = boolArg(L, 1);
    return 0;
}

int zorbix_setMoveJoystickIsHidden(lua_State* L) {
    StatePlay::setMoveJoystickVisibility(!boolArg(L, 1));
    return 0;
}

int zorbix_setShootJoystickIsHidden(lua_State* L) {
    StatePlay::setShootJoystickVisibility(!boolArg(L, 1));
    return 0;
}

// --- Score and end of game ---

int zorbix_setScore(lua_State* L) {
    Game::setScore(intArg(L, 1));
    return 0;
}

int zorbix_increaseScore(lua_State* L) {
    Game::increaseScore(intArg(L, 1));
    return 0;
}

int zorbix_getScore(lua_State* L) {
    lua_pushinteger(L, Game::getScore());
    return 1;
}

int zorbix_setGameIsFinished(lua_State* L) {
    StatePlay::gameIsFinished = boolArg(L, 1);
    return 0;
}

int zorbix_getDifficultyLevel(lua_State* L) {
    lua_pushinteger(L, StatePlay::getDifficulty());
    return 1;
}
