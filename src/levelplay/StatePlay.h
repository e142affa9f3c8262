// The play screen: a level played, recorded or watched again, its camera and
// its heads-up display. Its class-wide state is where the script module, the
// actors and the screen meet while a level runs.
#pragma once

#include <string>

#include "core/Coord.h"
#include "core/PlayContext.h"
#include "core/SerializedJoystickData.h"
#include "core/SpacePartition.h"
#include "core/State.h"
#include "graphics/OptimizedStringModel.h"

class Button;
class Entity;
class InGameMenu;
class Joysticks;
class Replay;
class TexturedExplosionsHandler;
struct lua_State;

// The camera, the sticks and the difficulty are the play context's, reached
// through this class as well.
class StatePlay : public State, public PlayContext {
public:
    // A new game of the level: campaign, tutorial, or (neither) an infinity
    // game that is recorded.
    StatePlay(std::string levelPath, bool campaign, bool tutorial);
    // Playback of a stored replay; name is shown in the overlay. A replay that
    // is not playable runs nothing and leaves at the first update.
    StatePlay(int replayId, bool downloaded, std::string name);
    ~StatePlay() override;

    void draw() override;
    // A frame run without drawing it (the tools): it counts toward the
    // campaign time as the game, which draws every frame, counts it.
    void skipDraw() { frameCount++; }
    StateTransition* updateState() override;
    void backButtonIsPressed() override;
    void setPause() override;

    // Tests and tools look at the running level.
    lua_State* getLuaState() { return luaState; }
    const std::string& getLevelPath() const { return levelPath; }
    Replay* getReplay() { return replay; }
    int getStepIndex() const { return stepIndex; }
    int getFrameCount() const { return frameCount; }
    bool isQuickPaused() const { return quickPaused; }
    bool isMenuOpen() const { return menuIsOpen; }
    bool isLeaving() const { return leaving; }
    InGameMenu* getMenu() { return menu; }
    Button* getFastForwardButton() { return fastForwardButton; }
    Button* getOkButton() { return okButton; }
    // Whether the constructor found something to play (a playback's replay can be refused).
    bool isRunnable() const { return luaState != nullptr; }

    static bool gameIsFinished;
    static std::string HUDString1;
    static std::string HUDString2;
    static bool drawOkButton;

    // The screens a game leaves to, the menus above the play screen, and the
    // record of a finished campaign level; the start-up connects them.
    struct Exits {
        State* (*firstMenu)() = nullptr;
        State* (*chooseCampaign)() = nullptr;
        State* (*chooseLevel)() = nullptr;
        State* (*restartCampaignLevel)(const std::string& levelPath) = nullptr;
        State* (*confirmScore)(const std::string& levelPath, int score, int replayId, int time) = nullptr;
        void (*campaignLevelFinished)(const std::string& levelPath, int difficulty, int frames) = nullptr;
    };
    static Exits exits;
    static bool buttonWasPressed;
    static bool quickPauseEnabled;
    // Called with every level's script state once its libraries are open and
    // before the level script runs: tools narrow what a level may call.
    static void (*scriptStateHook)(lua_State*);

    // The drawing steps, public for the look tests.
    void moveCamera(float* a, float* b);
    void drawHUD();
    void drawReplayUI();
    // The overlay's two texts for a position in a replay of some size.
    static std::string progressText(int stepIndex, int size);
    static std::string timeText(int stepIndex, int size);

private:
    void construct();
    void init();
    StateTransition* menuBranch();
    bool holdsQuickPause(bool anyTouch, bool anyStick, int keys);
    SerializedJoystickData liveCommand(bool anyStick, int keys);
    void updatePlaybackSpeed();
    void step(SerializedJoystickData command);
    StateTransition* endOfGame();
    bool isTurningIn() const;
    StateTransition* answer(StateTransition* t);

    bool leaving = false;
    // The answer given while this screen still turned in, kept for the end of
    // the turn (Game drops what a screen asks for during a switch).
    StateTransition* heldAnswer = nullptr;
    bool menuIsOpen = false;
    InGameMenu* menu = nullptr;
    std::string levelPath;
    lua_State* luaState = nullptr;
    SpacePartition spacePartition;
    TexturedExplosionsHandler* texturedExplosions = nullptr;
    bool fastForward = false, playbackPaused = false, normalSpeed = true;
    bool isRecording = false;
    bool isPlayback = false;
    bool isTutorial = false;
    bool isCampaign = false;
    bool hardwareInputInUse = false;
    float replaySpin = 0.0f;
    int stepIndex = 0;
    Replay* replay = nullptr;
    bool touchedSinceLastPause = false;
    bool quickPaused = false;
    Coord hud1Position, hud2Position;
    float hudScale = 0.0f;
    unsigned int seed = 0;
    Button* okButton = nullptr;
    Button* fastForwardButton = nullptr;
    float replayTilt = 60.0f;
    bool isDragging = false;
    Coord lastTouch;
    int frameCount = 0;
    OptimizedStringModel replayNameModel;
    int replayNameWidth = 0;
};
