// Gallery pictures of the menu panels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GallerySupport.h"
#include "core/Device.h"
#include "levelplay/Campaign.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/ChooseCampaign.h"
#include "screens/ChooseInfinity.h"
#include "screens/LevelMenu.h"
#include "screens/ScrollingScores.h"
#include "support/TempGameDir.h"
#include "widgets/MainMenu.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/SettingsMenu.h"

namespace {

class PanelGallery : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        srand(1);
    }
};

// Panels over saved data, in a fresh game directory of their own.
class SavedDataGallery : public PanelGallery {
protected:
    void SetUp() override {
        PanelGallery::SetUp();
        dir = std::make_unique<TempGameDir>();
        reload();
    }
    void TearDown() override {
        dir.reset();
        reload();
    }
    static void reload() {
        Preferences::reloadForTests();
        Scores::reloadForTests();
        Achievements::reloadForTests();
    }
    // Ten scores for a level, replays on some of them.
    static void addScores(ScoresForAllTheLevels* table, const std::string& level, const char* prefix) {
        const char* names[] = {"^3Zorbix ^wfan", "Ada",       "^1Red ^7Baron", "Linus", "^5Grace", "Ken",
                               "Dennis",         "^uBarbara", "Edsger",        "Alan"};
        for (int i = 0; i < 10; i++)
            table->addScore(level, std::string(prefix) + names[i], 98000 - 7919 * i, i % 3 == 1 ? -1 : i + 1, i, 0);
    }
    std::unique_ptr<TempGameDir> dir;
};

}  // namespace

TEST_F(PanelGallery, MainMenu) {
    MainMenu menu;
    for (int i = 0; i < 40; i++)
        menu.update(0);
    EXPECT_GT(
        gallery::takePicture("panel-main-menu", "the main menu, Play pulsing toward yellow", [&] { menu.draw(); }),
        1000);
}

TEST_F(PanelGallery, SettingsList) {
    // The rows as the settings screen fills them, in their colours.
    const Color joystick(1.0f, 0.7f, 0.7f), replay(0.7f, 1.0f, 1.0f), sound(1.0f, 1.0f, 0.6f),
        display(0.6f, 1.0f, 0.6f);
    struct Row {
        Color color;
        Settings::TYPES type;
        std::vector<std::pair<std::string, int>> values;
        int shown;
    } rows[] = {
        {joystick, Settings::JOYSTICKS_POSITION, {{"^rCustomize joysticks position", 0}}, 0},
        {replay,
         Settings::REPLAY_CAMERA,
         {{"Replay camera: top view", 0}, {"Replay camera: rotating 3D", 1}, {"Replay camera: free view", 2}},
         1},
        {replay,
         Settings::SCREEN_ORIENTATION,
         {{"Normal screen orientation", 0}, {"Reversed screen orientation", 1}},
         0},
        {replay, Settings::PLAY_AGAIN_SCREEN, {{"\"Play Again\" screen on", 1}, {"\"Play Again\" screen off", 0}}, 1},
        {sound, Settings::SOUND_EFFECTS, {{"Sound effects on", 0}, {"Sound effects off", 1}}, 0},
        {display,
         Settings::LINE_WIDTH,
         {{"Line width: 1 px", 0}, {"Line width: 2 px", 1}, {"Line width: 3 px", 2}, {"Line width: 4 px", 3}},
         1},
    };
    SettingsMenu menu;
    for (const Row& row : rows) {
        MultipleValuesButton* b = new MultipleValuesButton(row.color, Coord(), Coord(), Button::DECORATION_CUT);
        for (auto& v : row.values)
            b->addValue(v.first, v.second);
        b->setActiveValue(row.shown);
        menu.addButton(b, row.type);
        menu.setDrawableStringForButton(menu.getNumberOfRows() - 1);
    }
    Settings::TYPES type;
    int value;
    for (int i = 0; i < 120; i++)
        menu.update(&type, &value);
    EXPECT_GT(gallery::takePicture("panel-settings", "the settings list at rest, counters beside the rows",
                                   [&] { menu.draw(); }),
              1000);
}

TEST_F(SavedDataGallery, CampaignChooser) {
    Campaign* chapter = LevelList::getInstance()->getCampaign(0);
    Achievements* achievements = Achievements::getInstance();
    // Only the first level finished: column 1 open, column 2 locked.
    std::string path = chapter->get(0)->path;
    achievements->setCampaignLevelIsFinished(path, 0, 3725);
    Preferences::getInstance()->setCampaignMenuOffset(0, (int)(0.85f * Device::screenHeight));
    ChooseCampaign panel(chapter);
    for (int i = 0; i < 30; i++)
        panel.update(0);
    EXPECT_GT(gallery::takePicture("panel-campaign",
                                   "campaign chapter one: the first level finished (green, its time), "
                                   "column 1 open (yellow), Entry locked (red), the joining lines",
                                   [&] { panel.draw(); }),
              1000);
}

TEST_F(SavedDataGallery, InfinityChooser) {
    Achievements* achievements = Achievements::getInstance();
    for (int i = 0; i < 4; i++) {
        std::string path = LevelList::getInstance()->getLevelInformation(i)->path;
        InfinityMapResults* r = achievements->getInfinityMapResults(path);
        r->bronze = true;
        r->silver = i < 3;
        r->gold = i < 1;
    }
    ChooseInfinity panel;
    EXPECT_GT(gallery::takePicture("panel-infinity", "infinity levels: medals on the first four, levels 7 and 8 locked",
                                   [&] { panel.draw(); }),
              1000);
}

TEST_F(SavedDataGallery, LevelMenuOwnAndWorldScores) {
    std::string path = LevelList::getInstance()->getLevelInformation(1)->path;
    addScores(Scores::getInstance()->local, path, "");
    addScores(Scores::getInstance()->web, path, "w ");
    for (bool local : {true, false}) {
        Preferences::getInstance()->set_isShowingLocalScores(local);
        srand(1);
        LevelMenu menu(1);
        for (int i = 0; i < 200; i++)
            menu.update(0);
        EXPECT_GT(gallery::takePicture(local ? "panel-level-own" : "panel-level-world",
                                       local ? "level menu with own scores, medal thresholds"
                                             : "level menu with the world scores over the globe",
                                       [&] { menu.draw(); }),
                  1000);
    }
}

TEST_F(SavedDataGallery, ScoreListMidScroll) {
    std::string path = LevelList::getInstance()->getLevelInformation(2)->path;
    addScores(Scores::getInstance()->web, path, "");
    ScrollingScores list(Scores::getInstance()->getWebScoresForLevel(path), true);
    for (int i = 0; i < 300; i++)
        list.update();
    // A drag of two and a third rows, held.
    float W = (float)Device::screenWidth;
    State::touchX[0] = (int)(0.25f * W);
    State::touchY[0] = 300;
    for (int i = 0; i < 3; i++)
        list.update();
    State::touchX[0] += (int)(2.33f * list.getRowHeight());
    list.update();
    State::touchX[0] = State::touchY[0] = -1;
    EXPECT_GT(gallery::takePicture("panel-scores-scrolled",
                                   "world score list in the middle of a scroll: the top row folding away, "
                                   "the bottom row unfolding",
                                   [&] { list.draw(); }),
              1000);
}
