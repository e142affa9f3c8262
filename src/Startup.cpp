// Start-up: the hooks of core connected to the game above it, the loads of the
// first frame, the first menu, and the run of the whole program.
#include "Startup.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdio>

#include "core/Device.h"
#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/State.h"
#include "core/glwin.h"
#include "graphics/AudioPlayer.h"
#include "graphics/DrawString.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/LevelList.h"
#include "levelplay/StatePlay.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateRestartGame.h"

// The line-width setting takes effect at once, in lines and points alike.
static void applyLineWidth(float width) {
    glLineWidth(width);
    glPointSize(width);
}

static void applyLightSetting(bool on) { TexturedExplosionsHandler::getInstance()->enabled = on; }

// The settings that take effect at once reach the drawing code through the
// preferences' hooks, all connected here. Preferences loaded before the Game
// apply their values again now that someone listens.
static void connectImmediateSettings() {
    Preferences::applyLineWidth = applyLineWidth;
    Preferences::applyTexturedExplosionsEnabled = applyLightSetting;
    if (Preferences* p = Preferences::instance) {
        p->setLineWidth(p->getLineWidth());
        p->setLightEnabled(p->getLightEnabled());
    }
}

// The background grid turns and breathes with the frame count, drawn one pixel
// wide whatever the line-width setting.
static void drawGrid(VectorModel* gridModel) {
    int w = Preferences::getInstance()->getLineWidth();
    if (w > 1)
        glLineWidth(1.0f);
    glPushMatrix();
    glTranslatef(Device::screenWidth * 0.75f, Device::screenHeight * 0.5f, -100.0f);
    double c = cos(Game::frame * 0.01);
    glRotatef((float)(45 + 20 * c), 0.0f, 1.0f, 0.0f);
    glRotatef(Game::frame * 0.5f, 0.0f, 0.0f, 1.0f);
    float s = (float)(1.3 + 0.3 * c);
    glScalef(s, s, s);
    gridModel->draw(0);
    glPopMatrix();
    if (w != 1)
        glLineWidth((float)w);
}

// The music follows the focus of the window while it is switched on.
static void musicOnFocus(bool active) {
    if (!Preferences::getInstance()->getMusicEnabled())
        return;
    if (active)
        AudioPlayer::getInstance()->resumeSong();
    else
        AudioPlayer::getInstance()->pauseSong();
}

// At the end of the track it plays again, but only while the music is on and
// was playing, so that an end that crosses a pause or the music being switched
// off does not start it behind the player's back.
static void musicOnEnd() {
    AudioPlayer* player = AudioPlayer::getInstance();
    if (!Preferences::getInstance()->getMusicEnabled() || player->paused)
        return;
    player->paused = true;
    player->resumeSong();
}

static State* confirmScore(const std::string& levelPath, int score, int replayId, int time) {
    return new StateConfirmScore(levelPath, score, replayId, time);
}

static State* announceAndConfirmScore(const std::string& levelPath, int score, int replayId, int time) {
    if (replayId > 0) {
        printf("score %d, replay %d\n", score, replayId);
        fflush(stdout);
    }
    return confirmScore(levelPath, score, replayId, time);
}

void connectPlayExits(bool announceEndedGames) {
    StatePlay::Exits& exits = StatePlay::exits;
    exits.firstMenu = []() -> State* { return new StateFirstMenu(); };
    exits.chooseCampaign = []() -> State* { return new StateChooseCampaign(); };
    exits.chooseLevel = []() -> State* { return new StateChooseLevel(-1); };
    exits.restartCampaignLevel = [](const std::string& levelPath) -> State* {
        return new StateRestartGame(levelPath, true);
    };
    exits.confirmScore = announceEndedGames ? announceAndConfirmScore : confirmScore;
    exits.campaignLevelFinished = [](const std::string& levelPath, int difficulty, int frames) {
        std::string level = levelPath;
        Achievements* achievements = Achievements::getInstance();
        achievements->setCampaignLevelIsFinished(level, difficulty, frames);
        achievements->writeAchievements();
    };
}

// What the game loads before its first frame, in this order, and the first menu.
static void loadGame(Game* game) {
    AudioPlayer::getInstance();
    connectImmediateSettings();
    Game::ds = DrawString::getInstance();
    State* first = new StateFirstMenu();
    // No switch brings the first screen in: it is active from the start.
    first->active = true;
    game->setCurrentState(first);
    Scores::getInstance();
    Explosion::calcTheVertexes(false);
    game->refreshOrientation();
    game->setGridModel(VectorModel::loadFromLuaScript("/data/graphics/grid.lua"));
    if (Preferences::getInstance()->getMusicEnabled())
        AudioPlayer::getInstance()->resumeSong();
}

int mainStartUp(bool announceEndedGames) {
    Game::drawGrid = drawGrid;
    musicOnWindowFocus = musicOnFocus;
    musicOnTrackEnd = musicOnEnd;
    Preferences::connectHooks();
    connectPlayExits(announceEndedGames);
    if (startPlatformAndGame() != 0)
        return 1;
    loadGame(Game::getInstance());
    return 0;
}

// What waited for the first frame to be shown (no-ops once open).
static void openAudioAfterFrame() {
    SoundManager::getInstance()->openDevice();
    AudioPlayer::getInstance()->open();
}

// A level or replay started from the environment leaves to the menus as when
// it is chosen there: to its chapter's levels, or to its infinity level's scores.
static void chooseInMenus(const std::string& levelPath) {
    LevelList* list = LevelList::getInstance();
    int campaign = list->getCampaignOfLevel(levelPath);
    if (campaign >= 0)
        Preferences::getInstance()->setLastChosenCampaignNumber(campaign);
    int level = list->getLevelNumber(levelPath);
    if (level >= 0)
        Preferences::getInstance()->setLastChosenLevelNumber(level);
}

State* startScreenFromEnvironment(std::string* error) {
    StatePlay* first = playScreenFromEnvironment(error);
    if (first)
        chooseInMenus(first->getLevelPath());
    return first;
}

int runMainLoop(State* (*startScreen)(std::string* error)) {
    // Opening the audio device and the music can wait for the first frame.
    SoundManager::deferDevice();
    AudioPlayer::deferOpening();
    afterFrameShown = openAudioAfterFrame;
    if (mainStartUp(true) != 0)
        return 1;
    std::string error;
    State* first = startScreen ? startScreen(&error) : nullptr;
    if (!error.empty()) {
        fprintf(stderr, "%s\n", error.c_str());
        mainShutDown();
        return 1;
    }
    if (first)
        Game::getInstance()->setCurrentState(first);
    while (!mainLoop.exit_application)
        mainLoopFrame();
    mainShutDown();
    return glwin_screenshot_ok() ? 0 : 1;
}
