// Main menu panel: press priority, the Play pulse, the spark jitter, the
// desktop keys, and that its randomness never touches the game's generator.
#include <gtest/gtest.h>

#include <vector>

#include "core/KeyPress.h"
#include "core/MersenneTwister.h"
#include "support/WidgetTestSupport.h"
#include "widgets/MainMenu.h"

using MainMenuTest = WidgetTest;

TEST_F(MainMenuTest, LaterButtonsWinPressesOfTheSameFrame) {
    MainMenu menu;
    const struct {
        bool play, settings, tutorial;
        int code;
    } cases[] = {{false, false, false, 0}, {true, false, false, 1}, {true, true, false, 3},
                 {false, true, true, 6},   {true, false, true, 6},  {true, true, true, 6}};
    for (auto& c : cases) {
        if (c.play)
            menu.getPlayButton()->externalyPressed();
        if (c.settings)
            menu.getSettingsButton()->externalyPressed();
        if (c.tutorial)
            menu.getTutorialButton()->externalyPressed();
        EXPECT_EQ(menu.update(0), c.code);
    }
}

TEST_F(MainMenuTest, PlayPulsesFromWhiteAndTheSparksShakeWithTheMusic) {
    MainMenu menu;
    menu.update(0);
    EXPECT_FLOAT_EQ(menu.getPlayColor().b, 0.5f + 0.5f * cosf(0.05f));
    EXPECT_EQ(menu.getPlayColor().g, 1.0f);
    EXPECT_FLOAT_EQ(MainMenu::jitterFactor(0), 0.5f);
    EXPECT_FLOAT_EQ(MainMenu::jitterFactor(200), 1.1f);
    EXPECT_FLOAT_EQ(MainMenu::jitterFactor(100), 0.6f);
}

TEST_F(MainMenuTest, OnTheDesktopRightThenPressOpensTheSettings) {
    Device::hasKeyboard = true;
    MainMenu menu;
    EXPECT_EQ(menu.update(KeyPress::BIT_KEY_RIGHT), 0);
    EXPECT_EQ(menu.update(KeyPress::BIT_KEY_PRESS), 3);
    // Without a keyboard the same keys do nothing.
    Device::hasKeyboard = false;
    MainMenu plain;
    plain.update(KeyPress::BIT_KEY_RIGHT);
    EXPECT_EQ(plain.update(KeyPress::BIT_KEY_PRESS), 0);
}

TEST_F(MainMenuTest, NeverDrawsFromTheGamesGenerator) {
    std::vector<uint32_t> before(MersenneTwister::getState(), MersenneTwister::getState() + 624);
    int index = MersenneTwister::getIndex();
    MainMenu menu;
    int lit = 0;
    for (int i = 0; i < 1000; i++) {
        menu.update(0);
        if (i % 100 == 0)
            lit += litPixelsOf([&] { menu.draw(); });
        else
            menu.draw();
    }
    EXPECT_GT(lit, 0);
    EXPECT_EQ(MersenneTwister::getIndex(), index);
    EXPECT_EQ(std::vector<uint32_t>(MersenneTwister::getState(), MersenneTwister::getState() + 624), before);
}
