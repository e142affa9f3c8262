// The stick layout: presets, touches that place each stick (custom layout),
// the custom size, the swap and the look. Saved when leaving through OK.
#pragma once

#include "core/Joysticks.h"
#include "core/State.h"
#include "widgets/DrawableString.h"

class Button;
class MultipleValuesButton;

class StateConfigureJoysticks : public State {
public:
    // The custom stick size steps by this much (thousandths of the device size).
    static const int SIZE_STEP = 100;
    // "-" acts only above this size.
    static const int SMALLEST_SIZE_TO_SHRINK = 110;
    static const int CUSTOM_LAYOUT = 6;

    StateConfigureJoysticks();
    ~StateConfigureJoysticks() override;
    StateConfigureJoysticks(const StateConfigureJoysticks&) = delete;
    StateConfigureJoysticks& operator=(const StateConfigureJoysticks&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    // Leaves through OK, saving.
    void backButtonIsPressed() override;
    void jumpToCustom();

    Button* getOkButton() { return ok; }
    Button* getMinusButton() { return minus; }
    Button* getPlusButton() { return plus; }
    Button* getSwapButton() { return swap; }
    MultipleValuesButton* getPresetButton() { return preset; }
    MultipleValuesButton* getStyleButton() { return style; }
    MultipleValuesButton* getTransparencyButton() { return transparency; }
    bool isLeftBeingPlaced() const { return leftBeingPlaced; }
    bool isRightBeingPlaced() const { return rightBeingPlaced; }
    Joysticks& getJoysticks() { return joysticks; }

private:
    Button* ok;
    MultipleValuesButton* style;
    MultipleValuesButton* transparency;
    Button* minus;
    Button* plus;
    Button* swap;
    MultipleValuesButton* preset;
    DrawableString lines[2];
    Joysticks joysticks;
    bool leftBeingPlaced = false;
    bool rightBeingPlaced = false;
    float markerAngle = 0.0f;
};
