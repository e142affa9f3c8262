// Gallery pictures of the widgets: buttons in every state, back buttons, the
// keyboard's four layouts and the in-game menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "GallerySupport.h"
#include "core/Device.h"
#include "core/State.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/InGameMenu.h"
#include "widgets/InGamePauseAlert.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/OpenGLKeyboard.h"

namespace {

class WidgetGallery : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        srand(1);
        savedKeyboard = Device::hasKeyboard;
        liftAll();
    }
    void TearDown() override {
        liftAll();
        Device::hasKeyboard = savedKeyboard;
    }
    static void touch(int slot, float x, float y) {
        State::touchX[slot] = (int)x;
        State::touchY[slot] = (int)y;
    }
    static void liftAll() {
        for (int slot = 0; slot < 2; slot++)
            State::touchX[slot] = State::touchY[slot] = -1;
    }
    static void touchButton(int slot, Button* b) {
        Coord p = b->getCollisionPosition(), s = b->getWidthAndHeight();
        touch(slot, p.x + s.x / 2, p.y + s.y / 2);
    }
    bool savedKeyboard = false;
};

float W() { return (float)Device::screenWidth; }
float H() { return (float)Device::screenHeight; }

}  // namespace

TEST_F(WidgetGallery, Buttons) {
    // Columns: decorations 0, 1, 2; rows (top to bottom): idle, touched, focused.
    Device::hasKeyboard = true;
    std::vector<std::unique_ptr<Button>> buttons;
    const char* labels[] = {"Plain", "Cut corners", "Deep cut"};
    for (int row = 0; row < 3; row++) {
        for (int d = 0; d < 3; d++) {
            auto b =
                std::make_unique<Button>(labels[d], Coord(W() * (0.75f - 0.25f * row), H() * (0.8f - 0.3f * d), 0), d);
            b->setWidthAndHeight(Coord(0.15f * W(), 0.25f * H(), 0));
            buttons.push_back(std::move(b));
        }
    }
    for (int d = 0; d < 3; d++)
        buttons[6 + d]->setIsHighlighted(true);
    for (int frame = 0; frame < 12; frame++) {
        for (int d = 0; d < 3; d++) {
            touchButton(0, buttons[3 + d].get());
            buttons[3 + d]->update();
            liftAll();
            buttons[6 + d]->update();
        }
    }
    // Keep the touched row touched while drawing (the last update saw the touch).
    EXPECT_GT(gallery::takePicture("buttons",
                                   "decorations 0, 1, 2 (columns); idle, touched (red), focused (rows, top to bottom)",
                                   [&] {
                                       for (auto& b : buttons)
                                           b->draw();
                                   }),
              1000);
}

TEST_F(WidgetGallery, BackButtonsAndAMultipleValueButton) {
    BackButton up(0), left(1), right(2);
    MultipleValuesButton values(Color(1, 1, 0), Coord(0.5f * W(), 0.5f * H(), 0), Coord(0.2f * W(), 0.4f * H(), 0),
                                Button::DECORATION_CUT);
    values.addValue("Sound: on", 1);
    values.addValue("Sound: off", 0);
    values.setActiveValue(0);
    EXPECT_GT(gallery::takePicture("back-buttons",
                                   "the three back buttons (up, left, right) and a yellow multiple-value button",
                                   [&] {
                                       up.draw();
                                       left.draw();
                                       right.draw();
                                       values.draw();
                                   }),
              1000);
}

TEST_F(WidgetGallery, KeyboardModes) {
    // Placed as the score entry screen places it.
    float u = H() / 10 / 45, shift = 0;
    if (u > W() * 0.125f / 37) {
        u = W() * 0.125f / 37;
        shift = (450 * u - H()) * 0.5f;
    }
    const char* names[] = {"", "Zorbix", "zorbix", "z0rb!x", "^3Zor^1bix"};
    for (int mode = 1; mode <= 4; mode++) {
        OpenGLKeyboard kb(H() - 0.5f * H() / 10, 148 * u, u, shift, names[mode], 22, nullptr);
        kb.setKeyboardMode((OpenGLKeyboard::KEYBOARD_MODE)mode);
        DrawableString name("^7Name: " + std::string(names[mode]), Coord());
        name.setZoom(0.004f * W());
        name.centerY(0.85f * W());
        std::string file = "keyboard-" + std::to_string(mode);
        std::string caption = "keyboard mode " + std::to_string(mode) + " with the name " + names[mode];
        EXPECT_GT(gallery::takePicture(file, caption,
                                       [&] {
                                           name.draw();
                                           kb.draw();
                                       }),
                  1000);
    }
}

TEST_F(WidgetGallery, InGameMenu) {
    InGameMenu menu(false);
    menu.setTabIsExternallyPressed();
    for (int i = 0; i < 8; i++)
        menu.update(0);
    EXPECT_GT(gallery::takePicture("ingame-1-sliding", "in-game menu sliding in", [&] { menu.draw(false); }), 1000);
    while (!menu.isOpen())
        menu.update(0);
    EXPECT_GT(gallery::takePicture("ingame-2-open", "in-game menu open (live game)", [&] { menu.draw(false); }), 1000);
    menu.setTabIsExternallyPressed();
    menu.update(0);
    EXPECT_GT(
        gallery::takePicture("ingame-3-confirm", "in-game menu asking before quitting", [&] { menu.draw(false); }),
        1000);
    InGameMenu replay(true);
    replay.setTabIsExternallyPressed();
    while (!replay.isOpen())
        replay.update(0);
    EXPECT_GT(gallery::takePicture("ingame-4-replay", "in-game menu of a replay", [&] { replay.draw(false); }), 1000);
    EXPECT_GT(gallery::takePicture("ingame-5-pause-alert", "the quick-pause alert", [] { InGamePauseAlert::draw(); }),
              1000);
}
