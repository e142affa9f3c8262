// Gallery pictures of every screen in its telling states, two switches caught
// mid-turn, and the in-game menu over a level.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "GallerySupport.h"
#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/Campaign.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "levelplay/StatePlay.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/StateAbout.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseInfinity.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateChooseShipModel.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateDownloadFile.h"
#include "screens/StateFailedToConnectToServer.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateReplayDoesNotExist.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSendScores.h"
#include "screens/StateSettings.h"
#include "screens/StateShowInfo.h"
#include "screens/StateSuggestTuto.h"
#include "script/LuaScriptList.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"
#include "widgets/Button.h"
#include "widgets/OpenGLKeyboard.h"

namespace {

std::string levelPath(int i) { return LevelList::getInstance()->getLevelInformation(i)->path; }

class ScreenGallery : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        srand(1);
        dir = std::make_unique<TempGameDir>();
        // The game's own resources, so that no sound is cached as missing.
        std::string native = dir->root + "/app/native";
        if (rmdir(native.c_str()) != 0 || symlink(ZORBIX_GAME_DIR "/app/native", native.c_str()) != 0)
            FAIL() << "cannot link the game's resources";
        reload();
    }
    void TearDown() override {
        Game::getInstance()->setCurrentState(new gallery::PictureScreen([] {}));
        dir.reset();
        reload();
    }
    static void reload() {
        Preferences::reloadForTests();
        Scores::reloadForTests();
        Achievements::reloadForTests();
    }
    // Runs the screen's updates (no touches) so that its animations move on, then pictures it.
    void picture(const std::string& name, const std::string& caption, State* screen, int updates = 60) {
        std::unique_ptr<State> owned(screen);
        screen->active = true;
        for (int i = 0; i < updates; i++)
            delete screen->updateState();
        EXPECT_GT(gallery::takePicture(name, caption, [&] { screen->draw(); }), 500) << name;
    }
    // Progress: medals on the first levels, chapter one done at Easy and Normal.
    static void someProgress() {
        Achievements* a = Achievements::getInstance();
        for (int i = 0; i < 4; i++) {
            std::string path = levelPath(i);
            InfinityMapResults* r = a->getInfinityMapResults(path);
            r->bronze = true;
            r->silver = i < 3;
            r->gold = i < 1;
        }
        Campaign* c = LevelList::getInstance()->getCampaign(0);
        for (int i = 0; i < c->size(); i++)
            for (int d = 0; d < 2; d++) {
                std::string path = c->get(i)->path;
                a->setCampaignLevelIsFinished(path, d, 3000 + 97 * i);
            }
    }
    static void someScores() {
        const char* names[] = {"^3Zorbix ^wfan", "Ada", "^1Red ^7Baron", "Linus", "^5Grace", "Ken"};
        for (int i = 0; i < 6; i++)
            Scores::getInstance()->addLocalScore(levelPath(0), names[i], 30000 - 4000 * i, -1, i, 2);
        ScoresForALevel* world = Scores::getInstance()->getWebScoresForLevel(levelPath(0));
        for (int i = 0; i < 6; i++)
            if (world)
                world->addScore(std::string("^x") + names[i], 90000 - 7000 * i, i + 1, 0, 2);
    }
    std::unique_ptr<TempGameDir> dir;
};

}  // namespace

TEST_F(ScreenGallery, TitleAndMenus) {
    picture("screen-first-menu", "the title screen", new StateFirstMenu());
    picture("screen-suggest-tutorial", "the tutorial suggestion, Start in yellow", new StateSuggestTuto());
    picture("screen-game-type-fresh", "game type on a fresh profile: 0% and no medals", new StateChooseGameType());
    picture("screen-ships-locked", "ship models with no medals: only the first open, the last hidden",
            new StateChooseShipModel());
    picture("screen-chapters-fresh", "chapters on a fresh profile: two and three locked",
            new StateChooseCampaignNumber());
    picture("screen-settings", "the settings list", new StateSettings(), 120);
    picture("screen-sticks", "the stick layout screen", new StateConfigureJoysticks());
    picture("screen-about", "the about screen", new StateAbout(), 100);
}

TEST_F(ScreenGallery, WithProgress) {
    someProgress();
    picture("screen-game-type-progress", "game type with medals and chapter one done at Easy and Normal",
            new StateChooseGameType());
    Preferences::getInstance()->setDifficultySettings(1);
    picture("screen-chapters-progress", "chapters at Normal with chapter one done", new StateChooseCampaignNumber());
    picture("screen-campaign-levels", "the levels of chapter one, with their times",
            new StateChooseCampaign(LevelList::getInstance()->getCampaign(0)), 90);
    picture("screen-infinity", "the infinity levels with some medals", new StateChooseInfinity(), 90);
    Achievements::getInstance()->unlockMedals();
    Achievements::getInstance()->unlockCampaign();
    StateChooseShipModel* ships = new StateChooseShipModel();
    ships->setSelectedModel(8);
    picture("screen-ships-all", "every ship open, the last one chosen", ships);
}

TEST_F(ScreenGallery, LevelScreens) {
    someScores();
    Preferences::getInstance()->set_isShowingLocalScores(true);
    picture("screen-level-own", "a level with own scores", new StateChooseLevel(0), 200);
    Preferences::getInstance()->set_isShowingLocalScores(false);
    picture("screen-level-world", "a level with world scores", new StateChooseLevel(0), 200);
    picture("screen-info", "the level information before a game", new StateShowInfo(nullptr, 0));
    {
        DeviceGuard device;
        Device::screenWidth = 400;
        Device::screenHeight = 640;
        StateShowInfo small(nullptr, 0);
        Game* game = Game::getInstance();
        game->setCurrentState(new gallery::PictureScreen([&] { small.draw(); }));
        Game::frame = 400;
        game->draw();
        // The smaller screen fills the lower left of the frame: that part is the picture.
        graphicstest::Pixels whole = graphicstest::readPixels(), part;
        part.width = 640;
        part.height = 400;
        for (int y = 0; y < part.height; y++)
            part.rgba.insert(part.rgba.end(), whole.rgba.begin() + (size_t)y * whole.width * 4,
                             whole.rgba.begin() + ((size_t)y * whole.width + part.width) * 4);
        EXPECT_GT(part.litCount(), 500);
        EXPECT_TRUE(graphicstest::writePng(part, gallery::directory() + "/screen-info-640x400.png"));
        std::ofstream(gallery::directory() + "/screen-info-640x400.txt")
            << "the level information on a 640 x 400 screen: the larger text";
        gallery::writeIndex();
    }
    picture("screen-play-again", "play again?", new StateRestartGame(levelPath(0), false));
}

TEST_F(ScreenGallery, ScoreEntry) {
    const LevelInformation* info = LevelList::getInstance()->getLevelInformation(0);
    picture("screen-score-entry-medal", "a score above the gold threshold: the medal line",
            new StateConfirmScore(info->path, info->gold + 1, -1, 0));
    for (int mode : {2, 4}) {
        StateConfirmScore* entry = new StateConfirmScore(info->path, 120, -1, 0);
        entry->getKeyboard()->setKeyboardMode((OpenGLKeyboard::KEYBOARD_MODE)mode);
        // The keyboard opens as Edit name opens it.
        entry->getEditButton()->externalyPressed();
        picture("screen-score-entry-keyboard-" + std::to_string(mode),
                mode == 2 ? "the nickname keyboard, small letters" : "the nickname keyboard, colours", entry, 5);
    }
}

TEST_F(ScreenGallery, OnlineScreens) {
    picture("screen-upload", "sending scores (nothing to send here)", new StateSendScores(), 0);
    picture("screen-download", "downloading the world scores", new StateDownloadFile(0, 0, ""), 0);
    picture("screen-failed", "the connection failure", new StateFailedToConnectToServer(StateTransition::TRANSITION_2));
    picture("screen-replay-missing", "the missing replay", new StateReplayDoesNotExist());
}

namespace {

// The title, asking once for a switch to the next screen.
class AskingTitle : public StateFirstMenu {
public:
    AskingTitle(State* next_, int type_) : next(next_), type(type_) {}
    ~AskingTitle() override {
        if (!asked)
            delete next;
    }
    StateTransition* updateState() override {
        StateFirstMenu::updateState();
        if (asked)
            return nullptr;
        asked = true;
        return new StateTransition(next, type);
    }
    State* next;
    int type;
    bool asked = false;
};

}  // namespace

// Two screens mid-turn: the game's own switch, caught eight updates in.
TEST_F(ScreenGallery, Switches) {
    Game* game = Game::getInstance();
    for (int type : {1, 3}) {
        State* next = type == 1 ? (State*)new StateChooseGameType() : (State*)new StateAbout();
        AskingTitle* title = new AskingTitle(next, type);
        game->setCurrentState(title);
        title->active = true;
        for (int i = 0; i < 8; i++)
            game->updateState();
        ASSERT_TRUE(game->isInTransition());
        Game::frame = 400;
        game->draw();
        graphicstest::Pixels p = graphicstest::readPixels();
        std::string name = "switch-mid-turn-type-" + std::to_string(type);
        EXPECT_TRUE(graphicstest::writePng(p, gallery::directory() + "/" + name + ".png"));
        std::ofstream(gallery::directory() + "/" + name + ".txt")
            << "a type " << type << " switch eight updates in: the title turning out, "
            << (type == 1 ? "the game type" : "the about screen") << " turning in";
        gallery::writeIndex();
        for (int i = 0; i < 60 && game->isInTransition(); i++)
            game->updateState();
        game->setCurrentState(new gallery::PictureScreen([] {}));
    }
}

TEST_F(ScreenGallery, InGameMenuOverALevel) {
    // A test level with walls, the ship and a score, under the first level's path.
    std::string path = LevelList::getInstance()->getCampaign(0)->get(0)->path;
    std::string level = gallery::readFile(std::string(ZORBIX_SOURCE_DIR) + "/tests/data/levels/roundtrip.lua");
    ASSERT_FALSE(level.empty());
    LuaScriptList::getInstance()->addScriptForTests(path, level);
    StatePlay* play = new StatePlay(path, true, false);
    play->active = true;
    for (int i = 0; i < 90; i++)
        delete play->updateState();
    play->backButtonIsPressed();
    for (int i = 0; i < 40; i++)
        delete play->updateState();
    EXPECT_TRUE(play->isMenuOpen());
    picture("screen-in-game-menu", "the in-game menu over a level", play, 0);
    LuaScriptList::getInstance()->removeScriptForTests(path);
    StatePlay::gameIsFinished = false;
}
