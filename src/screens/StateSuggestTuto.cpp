// The tutorial suggestion: marks the tutorial done as soon as it is shown.
#include "screens/StateSuggestTuto.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateFirstMenu.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"
#include "widgets/NavigationNode.h"

StateSuggestTuto::StateSuggestTuto() {
    // Shown once: leaving by Skip must not bring it back.
    Preferences::getInstance()->set_hasDoneTutorial(true);
    Preferences::getInstance()->save();
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    const char* texts[] = {"It is recommended you do", "the quick tutorial before", "playing the game."};
    for (int i = 0; i < 3; i++) {
        float x = 0.88f * W - 0.12f * W * i;
        DrawableString* s = new DrawableString(texts[i], Coord(x, 0, 0));
        s->setZoom(0.002f * H);
        s->centerY(x);
        lines.push_back(s);
    }
    startButton = new Button("Start tutorial", Coord(0.25f * H, 0.5f * H, 0), Button::DECORATION_DEEP_CUT);
    startButton->setWidthAndHeight(Coord(0.11f * H, 0.3f * H, 0));
    skipButton = new Button("Skip", Coord(0.1f * H, 0.5f * H, 0), Button::DECORATION_CUT);
    skipButton->setWidthAndHeight(Coord(0.11f * H, 0.3f * H, 0));
    NavigationNode* start = navigation.addNode(startButton);
    NavigationNode* skip = navigation.addNode(skipButton);
    start->down = skip;
    skip->up = start;
}

StateSuggestTuto::~StateSuggestTuto() {
    for (DrawableString* s : lines)
        delete s;
    delete startButton;
    delete skipButton;
}

void StateSuggestTuto::draw() {
    glColor4f(1, 1, 1, 1);
    for (DrawableString* s : lines)
        s->draw();
    startButton->drawWithColor(Color(1, 1, 0));
    skipButton->draw();
}

StateTransition* StateSuggestTuto::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    bool start = startButton->update();
    bool skip = skipButton->update();
    // Presses while the screen turns in are dropped (the play screen that
    // Start makes must be the only one alive).
    if (!active)
        return nullptr;
    if (start)
        return new StateTransition(new StatePlay(StateFirstMenu::TUTORIAL_PATH, true, true),
                                   StateTransition::TRANSITION_1);
    if (skip)
        return new StateTransition(new StateChooseGameType(), StateTransition::TRANSITION_1);
    return nullptr;
}
