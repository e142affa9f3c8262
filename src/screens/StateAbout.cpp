// The about screen: credits, a fading list of thanks and web buttons.
#include "screens/StateAbout.h"

#include <GLES/gl.h>

#include <cmath>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "core/myfopen.h"
#include "savedata/WebInterface.h"
#include "screens/ButtonToTheWeb.h"
#include "screens/StateFirstMenu.h"
#include "widgets/BackButton.h"
#include "widgets/DrawableString.h"

// The fade phase advances this much per update, from -pi/2 to pi/2.
static const float PHASE_STEP = 0.02f;
static const float HALF_PI = 1.5707964f;

// The free software the game stands on, thanked by name.
static const char* const thanked[] = {"Lua",    "SDL",  "Mesa",       "OpenAL", "freealut", "mpg123", "LAME",
                                      "libpng", "zlib", "GoogleTest", "CMake",  "GCC",      "Debian"};

static const char* const webLabels[StateAbout::NUMBER_OF_WEB_BUTTONS] = {
    "Follow on ^rGoogle+", "Follow on ^dFacebook", "Follow the ^zDev's blog", "Check all the ^xTop scores"};

std::string StateAbout::webAddress(int button) {
    if (button == NUMBER_OF_WEB_BUTTONS - 1)
        return "http://" + WebInterface::serverHost + "/";
    // The project has no pages of its own yet: its README, installed beside the game.
    return "file://" + pathToRessource("/README.md");
}

StateAbout::StateAbout() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    const char* lines[] = {Device::runsAndroidNativeActivity ? "^3Zorbix 2 v1.8.5b" : "^3Zorbix 2 v1.8.5",
                           "^uby the Zorbix 2 team"};
    for (int i = 0; i < 2; i++) {
        DrawableString* s = new DrawableString(lines[i], Coord());
        s->setZoom(0.0017f * H);
        s->setCoord(Coord(0.95f * W - 0.08f * W * i, 0.6f * H + s->getWidth() / 2, 0));
        creditLines.push_back(s);
    }
    for (const char* name : thanked) {
        std::string text = std::string("^x") + name[0] + "^7" + (name + 1);
        DrawableString* s = new DrawableString(text, Coord(0.08f * W, 0.57f * H, 0));
        s->setZoom(0.0013f * H);
        names.push_back(s);
    }
    heading = new DrawableString("^7And thanks to...", Coord(0.08f * W, 0.9f * H, 0));
    heading->setZoom(0.0013f * H);
    back = new BackButton(BackButton::BACK_BUTTON_RIGHT);
    backButton = back;
    for (int i = 0; i < NUMBER_OF_WEB_BUTTONS; i++) {
        ButtonToTheWeb* b = new ButtonToTheWeb(webLabels[i], webAddress(i), Coord());
        Coord size = b->getWidthAndHeight();
        b->setWidthAndHeight(Coord(size.x * 1.3f, size.y * 1.1f, 0));
        b->setCoord(Coord(0.65f * W - i * W / 7, 0.6f * H, 0));
        webButtons.push_back(b);
    }
    navigation.addNode(back);
}

StateAbout::~StateAbout() {
    for (DrawableString* s : creditLines)
        delete s;
    for (DrawableString* s : names)
        delete s;
    delete heading;
    for (ButtonToTheWeb* b : webButtons)
        delete b;
    delete back;
}

std::string StateAbout::getCreditLine(int i) const { return creditLines[i]->getString(); }

StateTransition* StateAbout::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    phase += PHASE_STEP;
    if (phase > HALF_PI) {
        phase = -HALF_PI;
        shownName++;
        if (shownName >= (int)names.size())
            shownName = 0;
    }
    if (back->update())
        return new StateTransition(new StateFirstMenu(), StateTransition::TRANSITION_TURN_ABOUT_MINUS_X);
    for (ButtonToTheWeb* b : webButtons)
        b->update();
    return nullptr;
}

void StateAbout::draw() {
    glColor4f(1, 1, 1, 1);
    for (DrawableString* s : creditLines)
        s->draw();
    back->draw();
    heading->draw();
    names[shownName]->drawWithAlpha(cosf(phase));
    for (ButtonToTheWeb* b : webButtons)
        b->draw();
}
