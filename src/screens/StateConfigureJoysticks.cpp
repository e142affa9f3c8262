// The stick configuration screen: buttons, live sticks, placement by touch.
#include "screens/StateConfigureJoysticks.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "savedata/Preferences.h"
#include "screens/StateSettings.h"
#include "widgets/Button.h"
#include "widgets/MultipleValuesButton.h"

// Degrees the placement marker turns per update.
static const float MARKER_STEP = 1.5f;

StateConfigureJoysticks::StateConfigureJoysticks() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Preferences* p = Preferences::getInstance();
    Coord column(0.1f * W, 0.3f * H, 0);
    ok = new Button("OK", Coord(0.15f * W, 0.5f * H, 0), Button::DECORATION_DEEP_CUT);
    ok->setWidthAndHeight(Coord(0.18f * W, 0.36f * H, 0));
    style = new MultipleValuesButton(Coord(0.315f * W, 0.5f * H, 0), column, Button::DECORATION_CUT);
    style->addValue("Modern style", 0);
    style->addValue("Classic style", 1);
    style->setActiveValue(p->getJoystickStyle() == 0 ? 1 : 0);
    transparency = new MultipleValuesButton(Coord(0.425f * W, 0.5f * H, 0), column, Button::DECORATION_CUT);
    transparency->addValue("Transparent", 0);
    transparency->addValue("Opaque", 1);
    transparency->setActiveValue(p->getHideJoysticks() ? 0 : 1);
    minus = new Button("-", Coord(0.535f * W, 0.575f * H, 0), Button::DECORATION_CUT);
    minus->setWidthAndHeight(Coord(0.1f * W, 0.12f * H, 0));
    plus = new Button("+", Coord(0.535f * W, 0.425f * H, 0), Button::DECORATION_CUT);
    plus->setWidthAndHeight(Coord(0.1f * W, 0.12f * H, 0));
    swap = new Button("Swap", Coord(0.645f * W, 0.5f * H, 0), Button::DECORATION_CUT);
    swap->setWidthAndHeight(column);
    preset = new MultipleValuesButton(Coord(0.755f * W, 0.5f * H, 0), column, Button::DECORATION_CUT);
    const char* presetNames[] = {"Bottom", "Diagonal 1/2", "Diagonal 2/2", "Middle 1/2", "Middle 2/2", "Top", "Custom"};
    const int presetValues[] = {0, 1, 2, 3, 5, 4, CUSTOM_LAYOUT};
    for (int i = 0; i < 7; i++)
        preset->addValue(presetNames[i], presetValues[i]);
    preset->setActiveValue(p->getJoysticksPosition());
    const char* texts[2] = {"Touch anywhere to set the", "position of the joysticks"};
    const float xs[2] = {0.96f, 0.89f};
    for (int i = 0; i < 2; i++) {
        lines[i].setString(texts[i]);
        lines[i].setZoom(0.0015f * H);
        lines[i].centerY(xs[i] * W);
    }
    // The sticks show at their custom places while the preset button keeps
    // showing the stored preset.
    p->setJoysticksPosition(CUSTOM_LAYOUT);
    joysticks.init();
    joysticks.activateBlueAndRedJoystick(false);
}

StateConfigureJoysticks::~StateConfigureJoysticks() {
    delete ok;
    delete style;
    delete transparency;
    delete minus;
    delete plus;
    delete swap;
    delete preset;
}

void StateConfigureJoysticks::jumpToCustom() {
    Preferences::getInstance()->setJoysticksPosition(CUSTOM_LAYOUT);
    preset->setActiveValue(CUSTOM_LAYOUT);
}

void StateConfigureJoysticks::backButtonIsPressed() { ok->externalyPressed(); }

StateTransition* StateConfigureJoysticks::updateState() {
    float H = (float)Device::screenHeight;
    Preferences* p = Preferences::getInstance();
    markerAngle += MARKER_STEP;
    bool presetPressed = preset->update();
    bool stylePressed = style->update();
    bool swapPressed = swap->update();
    bool transparencyPressed = transparency->update();
    bool okPressed = ok->update();
    bool plusPressed = plus->update();
    bool minusPressed = minus->update();
    if (presetPressed)
        p->setJoysticksPosition(preset->getActiveValue());
    if (stylePressed)
        p->setJoystickStyle(p->getJoystickStyle() != 1 ? 1 : 0);
    if (swapPressed)
        p->setSwapJoysticks(!p->getSwapJoysticks());
    if (transparencyPressed)
        p->setHideJoysticks(!p->getHideJoysticks());
    int size = p->getCustomJoysticksSize();
    if (plusPressed) {
        size += SIZE_STEP;
        jumpToCustom();
    }
    if (minusPressed && size > SMALLEST_SIZE_TO_SHRINK) {
        size -= SIZE_STEP;
        jumpToCustom();
    }
    p->setCustomJoysticksSize(size);

    leftBeingPlaced = rightBeingPlaced = false;
    Coord left, right;
    p->getJoysticksCustomPosition(left, right);
    for (int slot = 0; slot < 2; slot++) {
        if (State::touchX[slot] == -1)
            continue;
        Coord touch((float)State::touchX[slot], (float)State::touchY[slot], 0);
        if (touch.y > 0.7f * H) {
            left = touch;
            leftBeingPlaced = true;
            jumpToCustom();
        } else if (touch.y < 0.3f * H) {
            right = touch;
            rightBeingPlaced = true;
            jumpToCustom();
        }
    }
    p->setJoysticksCustomPosition(left, right);
    joysticks.setPositionsOfJoysticksAccordingToPreferences();

    if (okPressed) {
        p->save();
        return new StateTransition(new StateSettings(), StateTransition::TRANSITION_3);
    }
    return nullptr;
}

void StateConfigureJoysticks::draw() {
    glColor4f(1, 1, 1, 1);
    for (DrawableString& s : lines)
        s.draw();
    preset->draw();
    swap->draw();
    minus->draw();
    plus->draw();
    transparency->draw();
    style->draw();
    ok->draw();
    joysticks.drawWithMarkers(leftBeingPlaced, rightBeingPlaced, markerAngle);
}
