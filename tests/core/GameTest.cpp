// Game: screen switching, back key, touches, score, and a frame read back.
#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/Device.h"
#include "core/KeyPress.h"
#include "savedata/Preferences.h"
#include "support/HeadlessGame.h"
#include "support/StateGuards.h"
#include "widgets/CanBeExternallyPressed.h"

namespace {

class GameTest : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        game = Game::getInstance();
        first = new ScriptedScreen();
        game->setCurrentState(first);
        game->setTouch(-1, -1, -1, -1);
        KeyPress::getKeyJustGotPressedBitArray();
    }
    int updatesUntilSettled() {
        int n = 0;
        do {
            game->updateState();
            game->draw();
            n++;
        } while (game->isInTransition() && n < 1000);
        return n;
    }
    Game* game = nullptr;
    ScriptedScreen* first = nullptr;
};

}  // namespace

TEST_F(GameTest, TypeZeroSwitchesAtOnce) {
    ScriptedScreen* next = new ScriptedScreen();
    first->requestAt(1, next, 0);
    int alive = ScriptedScreen::alive;
    game->updateState();
    EXPECT_EQ(game->getCurrentState(), next);
    EXPECT_TRUE(next->active);
    EXPECT_FALSE(game->isInTransition());
    EXPECT_EQ(ScriptedScreen::alive, alive - 1);
    game->draw();
    EXPECT_EQ(next->draws, 1);
}

TEST_F(GameTest, TurnsTakeTwentyTwoUpdatesAndRunBothScreens) {
    for (int type : {1, 2, 3, 4, 5, -3}) {
        ScriptedScreen* old = game->getCurrentState() == first ? first : (ScriptedScreen*)game->getCurrentState();
        ScriptedScreen* next = new ScriptedScreen();
        old->requestAt(old->updates + 1, next, type);
        int alive = ScriptedScreen::alive;
        game->setTouch(50, 60, -1, -1);
        game->updateState();  // the switch starts
        ASSERT_TRUE(game->isInTransition()) << type;
        for (int i = 1; i < 22; i++) {
            int oldUpdates = old->updates, oldDraws = old->draws;
            game->updateState();
            game->draw();
            ASSERT_TRUE(game->isInTransition()) << type << " update " << i;
            EXPECT_EQ(old->updates, oldUpdates + 1);
            EXPECT_EQ(old->draws, oldDraws + 1);
            EXPECT_EQ(old->touchAtUpdate[0], 50);
            EXPECT_FALSE(next->active);
        }
        EXPECT_EQ(next->updates, 21) << type;
        game->updateState();  // the 22nd update ends it
        EXPECT_FALSE(game->isInTransition()) << type;
        EXPECT_TRUE(next->active);
        EXPECT_EQ(ScriptedScreen::alive, alive - 1);
        EXPECT_EQ(game->getCurrentState(), next);
    }
}

TEST_F(GameTest, RequestsDuringATurn) {
    ScriptedScreen* second = new ScriptedScreen();
    ScriptedScreen* third = new ScriptedScreen();
    ScriptedScreen* dropped = new ScriptedScreen();
    first->requestAt(1, second, 1);
    first->requestAt(3, dropped, 0);  // the old screen's request is deleted
    second->requestAt(2, third, 0);   // and so is the new screen's
    int alive = ScriptedScreen::alive;
    game->updateState();
    EXPECT_EQ(updatesUntilSettled(), 22);
    EXPECT_EQ(game->getCurrentState(), second);
    EXPECT_TRUE(second->active);
    EXPECT_EQ(ScriptedScreen::alive, alive - 3);  // first, dropped and third are gone
    // Once the turn has ended the new screen's requests are followed.
    second->requestAt(second->updates + 1, new ScriptedScreen(), 0);
    game->updateState();
    EXPECT_NE(game->getCurrentState(), second);
}

TEST_F(GameTest, RequestsForNoScreenOrTheSameScreenAreIgnored) {
    first->requestAt(1, nullptr, 1);
    first->requestAt(2, first, 0);
    first->requestAt(3, first, 2);
    for (int i = 0; i < 3; i++)
        game->updateState();
    EXPECT_EQ(game->getCurrentState(), first);
    EXPECT_FALSE(game->isInTransition());
    // During a turn the new screen asking for itself or the old screen changes nothing.
    ScriptedScreen* second = new ScriptedScreen();
    first->requestAt(4, second, 3);
    second->requestAt(1, second, 0);
    second->requestAt(2, first, 0);
    game->updateState();
    updatesUntilSettled();
    EXPECT_EQ(game->getCurrentState(), second);
}

TEST_F(GameTest, BackKeyPressesTheScreenBeforeItsUpdate) {
    CanBeExternallyPressed button;
    first->backButton = &button;
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_BACK, 1);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_BACK, 0);
    game->updateState();
    EXPECT_EQ(first->backs, 1);
    EXPECT_EQ(first->updatesBeforeBack, 0);
    EXPECT_TRUE(button.pressed);
    EXPECT_EQ(State::keyJustGotPressedBitArray, 1);
    game->updateState();
    EXPECT_EQ(first->backs, 1);
    first->backButton = nullptr;
}

TEST_F(GameTest, TouchesAndRectangles) {
    game->setTouch(100, 200, 150, 250);
    game->updateState();
    // The game frame's y runs the other way from the surface's.
    EXPECT_EQ(State::touchX[0], 100);
    EXPECT_EQ(State::touchY[0], 1024 - 200);
    Coord t = game->getTouchCoord(1);
    EXPECT_EQ(t.x, 150.0f);
    EXPECT_EQ(t.y, 1024.0f - 250);
    int slot = -5;
    EXPECT_TRUE(game->rectIsTouched(Coord(0, 0, 0), Coord(600, 1024, 0), &slot));
    EXPECT_EQ(slot, 0);
    EXPECT_TRUE(game->rectIsTouched(Coord(140, 700, 0), Coord(20, 100, 0), &slot));
    EXPECT_EQ(slot, 1);
    slot = -5;
    EXPECT_FALSE(game->rectIsTouched(Coord(100, 800, 0), Coord(10, 100, 0), &slot));  // x on the edge
    EXPECT_FALSE(game->rectIsTouched(Coord(90, 824, 0), Coord(20, 10, 0), &slot));    // y on the edge
    EXPECT_EQ(slot, -5);

    game->setTouch(-1, -1, -1, -1);
    game->updateState();
    EXPECT_FALSE(game->touchIsActive(0));
    EXPECT_FALSE(game->rectIsTouched(Coord(-10, -10, 0), Coord(2000, 2000, 0), &slot));
}

TEST_F(GameTest, ScoreIsAPlainInt) {
    Game::setScore(10);
    Game::increaseScore(-25);
    EXPECT_EQ(Game::getScore(), -15);
}

// A game-frame rectangle drawn by a screen lands on the surface turned a quarter:
// frame (x, y) is drawn at surface column 1024 - y, row x from the bottom.
TEST_F(GameTest, FrameReadBack) {
    // The background grid turns with the frame count: off, so that the only
    // light is the quad's, whichever frame the earlier tests left.
    SavedValue<bool> noGrid(Game::enableBackgroundGrid, false);
    first->onDraw = [] {
        GLfloat quad[] = {100, 300, 0, 200, 300, 0, 100, 400, 0, 200, 400, 0};
        glColor4f(1, 1, 1, 1);
        glBindBuffer(GL_ARRAY_BUFFER, 0);  // the grid model leaves its buffer bound
        glVertexPointer(3, GL_FLOAT, 0, quad);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    };
    game->updateState();
    game->draw();
    auto pixel = [](int column, int row) {
        unsigned char rgba[4];
        glReadPixels(column, row, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return (int)rgba[0] << 16 | (int)rgba[1] << 8 | rgba[2];
    };
    EXPECT_EQ(pixel(1024 - 350, 150), 0xFFFFFF);
    EXPECT_EQ(pixel(1024 - 305, 105), 0xFFFFFF);
    EXPECT_EQ(pixel(1024 - 350, 250), 0x000000);
    EXPECT_EQ(pixel(350, 150), 0x000000);
    EXPECT_EQ(pixel(1024 - 450, 150), 0x000000);
    first->onDraw = nullptr;
}

TEST_F(GameTest, ReversedScreenMirrorsTouchesAcross) {
    Preferences::getInstance()->setIsScreenReversed(true);
    game->setTouch(100, 200, -1, -1);
    game->updateState();
    EXPECT_EQ(State::touchX[0], 600 - 100);
    EXPECT_EQ(State::touchY[0], 200);
    EXPECT_EQ(State::touchX[1], -1);
    Preferences::getInstance()->setIsScreenReversed(false);
}

// The line-width setting reaches lines and points at once.
TEST_F(GameTest, LineWidthSettingAppliesToLinesAndPoints) {
    for (int width : {3, 1, 2}) {
        Preferences::getInstance()->setLineWidth(width);
        float line = 0.0f, point = 0.0f;
        glGetFloatv(GL_LINE_WIDTH, &line);
        glGetFloatv(GL_POINT_SIZE, &point);
        EXPECT_EQ(line, (float)width);
        EXPECT_EQ(point, (float)width);
    }
}

// The background grid: behind every screen unless a level runs, and always one
// pixel wide, leaving the line width of the preferences in place.
TEST_F(GameTest, BackgroundGrid) {
    auto litPixels = [] {
        std::vector<unsigned char> rgba(1024 * 600 * 4);
        glReadPixels(0, 0, 1024, 600, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            lit += rgba[i] || rgba[i + 1] || rgba[i + 2];
        return lit;
    };
    game->draw();
    EXPECT_GT(litPixels(), 1000);
    {
        SavedValue<bool> noGrid(Game::enableBackgroundGrid, false);
        game->draw();
        EXPECT_EQ(litPixels(), 0);
    }

    struct Case {
        int preference;
        float before, after;
    } cases[] = {{3, 3.0f, 3.0f}, {1, 5.0f, 5.0f}, {2, 2.0f, 2.0f}};
    for (const Case& c : cases) {
        Preferences::getInstance()->setLineWidth(c.preference);
        glLineWidth(c.before);
        game->draw();
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(width, c.after) << c.preference;
    }
    Preferences::getInstance()->setLineWidth(2);
}
