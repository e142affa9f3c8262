// Play screen: set-up of a game, the per-frame step with its pauses, the end
// of the game, and the class-wide camera and level state.
//
// A game repeats exactly from its replay because the simulation reads nothing
// but the per-step stick record and the shared generator, which init seeds
// from the game's seed after the models that drew random numbers are dropped.
#include "levelplay/StatePlay.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/CollisionShape.h"
#include "core/Device.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/KeyPress.h"
#include "core/StateTransition.h"
#include "graphics/DrawString.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"
#include "levelplay/PlaySettings.h"
#include "levelplay/Replay.h"
#include "levelplay/ScriptHandles.h"
#include "script/LuaCommon.h"
#include "widgets/Button.h"
#include "widgets/InGameMenu.h"

bool StatePlay::gameIsFinished = false;
std::string StatePlay::HUDString1;
std::string StatePlay::HUDString2;
bool StatePlay::drawOkButton = false;
StatePlay::Exits StatePlay::exits;
bool StatePlay::buttonWasPressed = false;
bool StatePlay::quickPauseEnabled = false;
void (*StatePlay::scriptStateHook)(lua_State*) = nullptr;

// Keys that steer the sticks, keys that press the "Ok" button (the press bits
// of the menus), and the in-game back key.
static const int STICK_KEYS = KeyPress::BIT_KEY_UP | KeyPress::BIT_KEY_DOWN | KeyPress::BIT_KEY_RIGHT |
                              KeyPress::BIT_KEY_LEFT | KeyPress::BIT_KEY_SHOOT_LEFT | KeyPress::BIT_KEY_SHOOT_UP |
                              KeyPress::BIT_KEY_SHOOT_DOWN | KeyPress::BIT_KEY_SHOOT_RIGHT;
static const int OK_KEYS = KeyPress::BIT_KEY_PRESS | KeyPress::BIT_KEY_SHOOT_DOWN;
static const int BACK_KEY = KeyPress::BIT_KEY_GAME_BACK;

// Steps 1 and 2 of both constructors.
void StatePlay::construct() {
    hud1Position = hud2Position = lastTouch = Coord(0, 0, 0);
    texturedExplosions = TexturedExplosionsHandler::getInstance();
    VectorModel::deleteVMThatUsesRandomNumbers();
}

StatePlay::StatePlay(std::string path, bool campaign, bool tutorial) : replayNameModel("") {
    construct();
    levelPath = path;
    isCampaign = campaign;
    isTutorial = tutorial;
    isPlayback = false;
    // The C generator (seeded from the clock at start-up) draws the seed only.
    seed = (unsigned int)rand();
    shipModelSelected = PlaySettings::shipModel();
    if (!tutorial && !campaign) {
        isRecording = true;
        ReplayHeader header;
        header.levelPath = levelPath;
        header.seed = (int)seed;
        header.shipModel = shipModelSelected;
        header.version = 1;
        replay = new Replay(&header);
        // Scores of infinity levels compare across players: one difficulty for all.
        pinDifficulty(0);
    } else {
        isRecording = false;
        unpinDifficulty();
    }
    init();
}

StatePlay::StatePlay(int replayId, bool downloaded, std::string name) : replayNameModel("") {
    construct();
    replay = new Replay(replayId, downloaded);
    levelPath = replay->header->levelPath;
    isCampaign = false;
    isTutorial = false;
    isPlayback = true;
    isRecording = false;
    std::string label = "^7\"" + name + "^7\"";
    replayNameModel.setString(label);
    replayNameWidth = DrawString::getInstance()->getStringWidth(label);
    seed = (unsigned int)replay->header->seed;
    shipModelSelected = replay->header->shipModel;
    pinDifficulty(0);
    // A file that is not a playable replay (damaged, of a level that is not an
    // infinity level, an unknown ship) runs nothing: the first update leaves.
    if (!Replay::isPlayable(Replay::getPath(replayId, downloaded))) {
        fprintf(stderr, "replay %s is not playable\n", Replay::getPath(replayId, downloaded).c_str());
        return;
    }
    init();
}

void StatePlay::init() {
    int W = Device::screenWidth, H = Device::screenHeight;
    SoundManager::getInstance()->setRollOffFactor(10.0f);
    Game::enableBackgroundGrid = false;
    Game::mtRand.seed(seed);
    Game::seedSecondary(seed);
    stepIndex = 0;
    replaySpin = 0.0f;

    fastForwardButton = new Button("", Coord((float)(0.78 * W), (float)(0.84 * H), 0), (Button::Decoration)0);
    fastForwardButton->setWidthAndHeight(Coord((float)(0.15 * W), (float)(0.18 * H), 0));
    fastForwardButton->setVectorModel(VectorModel::loadFromLuaScript("/data/graphics/buttons/fastForwardButton.lua"),
                                      0);
    replayTilt = 60.0f;

    getJoysticks();
    joysticks->init();
    joysticks->activateBlueAndRedJoystick(false);
    // The sticks are shared by every game: the last game's deflection must not
    // reach what this level's init does.
    joysticks->lowStick.angle = joysticks->lowStick.norm = 0.0f;
    joysticks->highStick.angle = joysticks->highStick.norm = 0.0f;
    joysticks->current = SerializedJoystickData();

    gameIsFinished = false;
    cameraAngleOffsetX = cameraAngleOffsetZ = cameraAngleOffsetY = 0.0f;
    realZoom = Device::zoom;
    zoom = 1.0f;

    luaState = luaL_newstate();
    luaL_openlibs(luaState);
    if (scriptStateHook)
        scriptStateHook(luaState);
    CollisionShape::init(&spacePartition.walls);
    Entity::init(&spacePartition);
    // Timers of the actors and scripts count from the game's first step, as
    // they did when the replay was recorded, whatever ran before in the process.
    Entity::setTime(0);
    std::string error;
    if (!loadScript(luaState, levelPath, false, &error)) {
        // The level runs on only if the chunk defined init; either way the
        // reason must not be lost.
        fprintf(stderr, "level script %s: %s\n", levelPath.c_str(), error.c_str());
        fflush(stderr);
    }
    SpacePartition::boundariesAreInit = false;
    executeFunction(luaState, "init");
    if (!SpacePartition::boundariesAreInit)
        SpacePartition::setBoundaries(Coord(100.0f, 100.0f, 0));
    spacePartition.initWithTheLoadedMap();

    HUDString1 = "";
    HUDString2 = "";
    hud1Position = Coord((float)(0.95 * W), (float)(0.95 * H), 0);
    hud2Position = Coord((float)(0.95 * W), (float)(0.36 * H), 0);
    hudScale = (float)(0.0012 * H);
    Game::setScore(0);
    menu = new InGameMenu(isPlayback);
    menuIsOpen = false;
    okButton = new Button("Ok", Coord((float)(0.2 * W), (float)(H / 2), 0), (Button::Decoration)1);
    okButton->setWidthAndHeight(Coord((float)(0.18 * W), (float)(0.3 * H), 0));
    okButton->setIsHighlighted(true);

    frameCount = 0;
    buttonWasPressed = false;
    drawOkButton = false;
    fastForward = false;
    normalSpeed = true;
    playbackPaused = false;
    leaving = false;
    quickPauseEnabled = PlaySettings::autoPause() && (!isCampaign || PlaySettings::campaignAutoPause()) && !isTutorial;
    hardwareInputInUse = false;
    quickPaused = false;
    touchedSinceLastPause = false;
}

StatePlay::~StatePlay() {
    if (heldAnswer) {
        delete heldAnswer->next;
        delete heldAnswer;
    }
    delete okButton;
    delete fastForwardButton;
    delete menu;
    Entity::reset();
    if (luaState)
        lua_close(luaState);
    // The wall shapes the script made, and every handle it held, go with it.
    ScriptHandles::levelEnded();
    Game::enableBackgroundGrid = true;
    delete replay;
}

void StatePlay::backButtonIsPressed() {
    quickPaused = false;
    touchedSinceLastPause = false;
    if (menu)
        menu->setTabIsExternallyPressed();
}

void StatePlay::setPause() { backButtonIsPressed(); }

// True while the quick pause holds the game. Lifting the last finger pauses
// from the next frame on; the resuming touch itself does not step.
bool StatePlay::holdsQuickPause(bool anyTouch, bool anyStick, int keys) {
    if (!quickPauseEnabled)
        return false;
    if (quickPaused) {
        if (anyTouch || anyStick || keys != 0)
            quickPaused = false;
        return true;
    }
    if (!anyTouch && !anyStick) {
        if (touchedSinceLastPause && !isPlayback && keys == 0)
            quickPaused = true;
        touchedSinceLastPause = false;
    } else if (keys == 0) {
        touchedSinceLastPause = true;
    }
    return false;
}

// The sticks of this step from the player: touches (corrected as the stick
// layout asks when the screen mixes up two fingers), or hardware sticks, then keys.
SerializedJoystickData StatePlay::liveCommand(bool anyStick, int keys) {
    if (!anyStick) {
        int position = PlaySettings::joysticksPosition();
        if (Device::supportDistinctMultitouch == 2)
            joysticks->update(State::touchX, State::touchY);
        else if (position == 1)
            joysticks->updateWithBadMultitouchCorrectionDiagonal2(State::touchX, State::touchY);
        else if (position == 2)
            joysticks->updateWithBadMultitouchCorrectionDiagonal1(State::touchX, State::touchY);
        else
            joysticks->update(State::touchX, State::touchY);
    } else {
        joysticks->updateWithJoystickHardware(State::joystickAngle[0], State::joystickNorm[0], State::joystickAngle[1],
                                              State::joystickNorm[1]);
    }
    joysticks->updateWithKeys(keys);
    return joysticks->current;
}

// The playback's button cycles normal speed, fast forward and pause.
void StatePlay::updatePlaybackSpeed() {
    if (!fastForwardButton->update())
        return;
    if (normalSpeed) {
        normalSpeed = false;
        fastForward = true;
        fastForwardButton->setFrame(1);
    } else if (fastForward) {
        fastForward = false;
        playbackPaused = true;
        fastForwardButton->setFrame(2);
    } else {
        playbackPaused = false;
        normalSpeed = true;
        fastForwardButton->setFrame(0);
    }
}

// One simulation step: the command is all it reads of the player.
void StatePlay::step(SerializedJoystickData command) {
    joysticks->update(&command);
    texturedExplosions->update();
    Entity::updateAll();
    executeFunction(luaState, "update");
}

// Game drops what a screen asks for while it turns in. The end of a game, a
// refused playback and a confirmed quit are never asked for again, so their
// answer waits here for the end of the turn instead of being lost.
bool StatePlay::isTurningIn() const {
    Game* game = Game::instance;
    return game && game->isInTransition() && game->getCurrentState() == this;
}

StateTransition* StatePlay::answer(StateTransition* t) {
    if (!isTurningIn())
        return t;
    heldAnswer = t;
    return nullptr;
}

StateTransition* StatePlay::updateState() {
    if (heldAnswer && !isTurningIn()) {
        StateTransition* t = heldAnswer;
        heldAnswer = nullptr;
        return t;
    }
    if (!luaState) {
        // A refused playback.
        if (leaving)
            return nullptr;
        leaving = true;
        return answer(new StateTransition(exits.chooseLevel(), 2));
    }
    bool anyTouch = State::touchX[0] != -1 || State::touchX[1] != -1;
    bool anyStick = State::joystickNorm[0] != -1.0f || State::joystickNorm[1] != -1.0f;
    int keys = State::keyIsPressedBitArray;
    int keysJustPressed = State::keyJustGotPressedBitArray;
    if (menuIsOpen) {
        hardwareInputInUse = false;
        return menuBranch();
    }
    if (holdsQuickPause(anyTouch, anyStick, keys))
        return nullptr;
    hardwareInputInUse = anyStick || (keys & STICK_KEYS) != 0 || joysticks->residualHWMovementIsPresent();

    for (int n = 0;; n++) {
        if (menu->update(keysJustPressed) == 1)
            menuIsOpen = true;
        // A playback ignores the button: its press is not part of the replay.
        if (!isPlayback && drawOkButton && (okButton->update() || (keysJustPressed & OK_KEYS) != 0))
            buttonWasPressed = true;
        if (isPlayback)
            updatePlaybackSpeed();
        if (!isPlayback || !playbackPaused) {
            SerializedJoystickData command = isPlayback ? *replay->get(stepIndex++) : liveCommand(anyStick, keys);
            if (isRecording)
                replay->add(&command);
            if (!isPlayback && (keysJustPressed & BACK_KEY) != 0)
                backButtonIsPressed();
            step(command);
        }
        if (gameIsFinished && !leaving) {
            leaving = true;
            return answer(endOfGame());
        }
        if (!isPlayback || n >= 4 || !fastForward)
            return nullptr;
        if (menuIsOpen)
            return menuBranch();
    }
}

StateTransition* StatePlay::menuBranch() {
    switch (menu->update(State::keyJustGotPressedBitArray)) {
    case 2:
        menuIsOpen = false;
        touchedSinceLastPause = false;
        return nullptr;
    case 3:
        if (leaving)
            return nullptr;
        leaving = true;
        if (isCampaign)
            return answer(new StateTransition(exits.chooseCampaign(), 2));
        if (isTutorial)
            return answer(new StateTransition(exits.firstMenu(), 3));
        return answer(new StateTransition(exits.chooseLevel(), 2));
    case 4: joysticks->swap(); return nullptr;
    case 5: joysticks->changeLocation(); return nullptr;
    default: return nullptr;
    }
}

StateTransition* StatePlay::endOfGame() {
    if (isTutorial)
        return new StateTransition(exits.firstMenu(), 2);
    if (isPlayback)
        return new StateTransition(exits.chooseLevel(), 2);
    if (isCampaign) {
        if (Game::getScore() == 0) {
            if (PlaySettings::skipPlayAgainMenu())
                return new StateTransition(exits.chooseCampaign(), 2);
            return new StateTransition(exits.restartCampaignLevel(levelPath), 2);
        }
        exits.campaignLevelFinished(levelPath, PlayContext::getDifficulty(), frameCount);
        return new StateTransition(exits.chooseCampaign(), 2);
    }
    int id = replay->save();
    return new StateTransition(exits.confirmScore(levelPath, Game::getScore(), id, (int)time(0)), 2);
}
