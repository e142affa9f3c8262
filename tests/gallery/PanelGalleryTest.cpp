// Gallery pictures of the menu panels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GallerySupport.h"
#include "core/Device.h"
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

}  // namespace

TEST_F(PanelGallery, MainMenu) {
    MainMenu menu;
    for (int i = 0; i < 40; i++)
        menu.update(0);
    EXPECT_GT(gallery::takePicture("panel-main-menu", "the main menu, Play pulsing toward yellow", [&] { menu.draw(); }),
              1000);
}

TEST_F(PanelGallery, SettingsList) {
    // The rows as the settings screen fills them, in their colours.
    const Color joystick(1.0f, 0.7f, 0.7f), replay(0.7f, 1.0f, 1.0f), sound(1.0f, 1.0f, 0.6f), display(0.6f, 1.0f, 0.6f);
    struct Row {
        Color color;
        Settings::TYPES type;
        std::vector<std::pair<std::string, int>> values;
        int shown;
    } rows[] = {
        {joystick, Settings::JOYSTICKS_POSITION, {{"^rCustomize joysticks position", 0}}, 0},
        {replay, Settings::REPLAY_CAMERA,
         {{"Replay camera: top view", 0}, {"Replay camera: rotating 3D", 1}, {"Replay camera: free view", 2}}, 1},
        {replay, Settings::SCREEN_ORIENTATION, {{"Normal screen orientation", 0}, {"Reversed screen orientation", 1}}, 0},
        {replay, Settings::PLAY_AGAIN_SCREEN, {{"\"Play Again\" screen on", 1}, {"\"Play Again\" screen off", 0}}, 1},
        {sound, Settings::SOUND_EFFECTS, {{"Sound effects on", 0}, {"Sound effects off", 1}}, 0},
        {display, Settings::LINE_WIDTH,
         {{"Line width: 1 px", 0}, {"Line width: 2 px", 1}, {"Line width: 3 px", 2}, {"Line width: 4 px", 3}}, 1},
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
