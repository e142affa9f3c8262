// On-screen keyboard: key sequences against the text and the listener, the
// layouts, and keys fired together.
#include <gtest/gtest.h>

#include "support/WidgetTestSupport.h"
#include "widgets/OpenGLKey.h"
#include "widgets/OpenGLKeyboard.h"
#include "widgets/OpenGLKeyboardListener.h"

namespace {

class Recorder : public OpenGLKeyboardListener {
public:
    void textHasChanged(std::string text) override { told.push_back(text); }
    std::vector<std::string> told;
};

class KeyboardTest : public WidgetTest {
protected:
    OpenGLKey* find(OpenGLKeyboard& kb, const std::string& label) {
        for (OpenGLKey* k : kb.getKeys())
            if (k->getLabel() == label)
                return k;
        ADD_FAILURE() << "no key " << label;
        return nullptr;
    }
    // Touches the key, lifts, and answers the keyboard's update of the lift.
    int press(OpenGLKeyboard& kb, const std::string& label) {
        OpenGLKey* k = find(kb, label);
        if (!k)
            return -1;
        touch(0, k->getCentre().x, k->getCentre().y);
        kb.update();
        lift(0);
        return kb.update();
    }
};

const std::string kShift = "\xEF";

}  // namespace

TEST_F(KeyboardTest, KeySequences) {
    struct Case {
        const char* name;
        std::string start;
        std::vector<std::string> keys;
        std::string text;
        std::vector<std::string> told;
        int lastAnswer;
    } cases[] = {
        {"a 23rd character at length 22, then nothing",
         std::string(22, 'a'),
         {"b", "c"},
         std::string(22, 'a') + "b",
         {std::string(22, 'a') + "b", std::string(22, 'a') + "b"},
         0},
        {"a colour code replaces a trailing one", "x", {"colors", "^1", "^2"}, "x^2", {"x^1", "x^2"}, 0},
        {"del removes a whole code", "x", {"colors", "^1", "letters", "del", "del"}, "", {"x^1", "x", ""}, 0},
        {"empty ok answers 0 and tells", "", {"ok"}, "", {""}, 0},
        {"ok with a text answers 1 untold", "ab", {"ok"}, "ab", {}, 1},
        {"space and shift", "", {kShift, "Q", "space", kShift, "w"}, "Q w", {"Q", "Q ", "Q w"}, 0},
        {"signs round trip", "", {"#", "7", "#", "e"}, "7e", {"7", "7e"}, 0},
        {"colours round trip", "", {"colors", "^u", "letters", "k"}, "^uk", {"^u", "^uk"}, 0},
        {"del on an empty text tells", "", {"del"}, "", {""}, 0},
    };
    for (const Case& c : cases) {
        Recorder listener;
        OpenGLKeyboard kb(300, 700, 1.0f, 0.0f, c.start, 22, &listener);
        int answer = 0;
        for (const std::string& key : c.keys)
            answer = press(kb, key);
        EXPECT_EQ(kb.getText(), c.text) << c.name;
        EXPECT_EQ(listener.told, c.told) << c.name;
        EXPECT_EQ(answer, c.lastAnswer) << c.name;
    }
}

TEST_F(KeyboardTest, ModesAndTheirRoundTrips) {
    OpenGLKeyboard kb(300, 700, 1.0f, 0.0f, "", 22, nullptr);
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_LOWER);
    EXPECT_EQ(kb.getKeys().size(), 32u);  // 26 letters, shift, #, space, ok, del, colors
    press(kb, kShift);
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_UPPER);
    press(kb, kShift);
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_LOWER);
    press(kb, "#");
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_SIGNS);
    EXPECT_EQ(kb.getKeys().size(), 33u);
    press(kb, "colors");
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_COLORS);
    EXPECT_EQ(kb.getKeys().size(), 45u);  // 44 codes and "letters"
    press(kb, "letters");
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_LOWER);
    EXPECT_EQ(kb.getText(), "");
}

TEST_F(KeyboardTest, LayoutSwapsTheAxesAndShiftsOddRows) {
    const float s = 1.5f;
    OpenGLKeyboard kb(300, 700, s, 10.0f, "", 22, nullptr);
    Coord q = find(kb, "q")->getCentre(), w = find(kb, "w")->getCentre(), a = find(kb, "a")->getCentre();
    EXPECT_EQ(q.x, 700.0f);  // row 0 at y
    EXPECT_EQ(q.y, 310.0f);  // column 0 at x + shift
    EXPECT_EQ(w.y, (float)(int)(310 - 45 * s));
    EXPECT_EQ(a.x, (float)(int)(700 - 37 * s));
    EXPECT_EQ(a.y, (float)(int)(310 - 45 * s + 22.5f * s));  // row 1 is odd
    Coord ok = find(kb, "ok")->getCentre();                  // row -1 is odd too
    EXPECT_EQ(ok.y, (float)(int)(310 - 45 * s * 7 + 22.5f * s));
    EXPECT_EQ(find(kb, "space")->getWidth(), 5);
}

TEST_F(KeyboardTest, TouchBetweenTwoKeysFiresBothInTheOrderAdded) {
    Recorder listener;
    OpenGLKeyboard kb(300, 700, 1.0f, 0.0f, "", 22, &listener);
    Coord q = find(kb, "q")->getCentre(), w = find(kb, "w")->getCentre();
    touch(0, (q.x + w.x) / 2, (q.y + w.y) / 2);
    kb.update();
    EXPECT_TRUE(find(kb, "q")->getIsArmed());
    EXPECT_TRUE(find(kb, "w")->getIsArmed());
    lift(0);
    kb.update();
    EXPECT_EQ(kb.getText(), "qw");
    EXPECT_EQ(listener.told, (std::vector<std::string>{"q", "qw"}));
    // A touch on the last cell of a wide key arms it; sliding off disarms.
    OpenGLKey* space = find(kb, "space");
    touch(0, space->getCentre().x, space->getCentre().y - 4 * 45);
    kb.update();
    EXPECT_TRUE(space->getIsArmed());
    touch(0, 5, 5);
    kb.update();
    EXPECT_FALSE(space->getIsArmed());
}

TEST_F(KeyboardTest, ModeChangeEndsTheUpdateBeforeTheDeletedKeys) {
    // Shift and "#" below it are armed together; shift, added first, fires
    // and rebuilds the keys, and the update stops there.
    Recorder listener;
    OpenGLKeyboard kb(300, 700, 1.0f, 0.0f, "", 22, &listener);
    Coord shift = find(kb, kShift)->getCentre(), hash = find(kb, "#")->getCentre();
    touch(0, (shift.x + hash.x) / 2, (shift.y + hash.y) / 2);
    kb.update();
    lift(0);
    EXPECT_EQ(kb.update(), 0);
    EXPECT_EQ(kb.getMode(), OpenGLKeyboard::MODE_UPPER);
    EXPECT_TRUE(listener.told.empty());
    EXPECT_GT(litPixelsOf([&] { kb.draw(); }), 0);
}
