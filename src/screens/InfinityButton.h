// One level of the infinity chooser: its name and the medals won on it, or,
// while locked, red with two lines saying what opens it.
#pragma once

#include <string>

#include "core/Coord.h"
#include "widgets/CanBeExternallyPressed.h"

class Button;
class DrawableString;
class VectorModel;
struct InfinityMapResults;

enum INFINITY_BUTTON_STATUS { INFINITY_BUTTON_LOCKED = 0, INFINITY_BUTTON_AVAILABLE = 1 };

class InfinityButton : public CanBeExternallyPressed {
public:
    InfinityButton(std::string name, std::string levelPath, INFINITY_BUTTON_STATUS status);
    ~InfinityButton() override;
    InfinityButton(const InfinityButton&) = delete;
    InfinityButton& operator=(const InfinityButton&) = delete;

    void externalyPressed() override;
    void setIsHighlighted(bool value) override;

    void setStatus(INFINITY_BUTTON_STATUS status);
    INFINITY_BUTTON_STATUS getStatus() const { return status; }
    void setLabels(std::string top, std::string bottom);
    // The inner button runs every frame (a locked one still answers a touch
    // with sound), but a locked level never presses.
    bool update();
    void draw();

    Button* getButton() { return button; }
    InfinityMapResults* getResults() { return results; }
    DrawableString* getTopLabel() { return topLabel; }
    DrawableString* getBottomLabel() { return bottomLabel; }

private:
    DrawableString* topLabel = nullptr;
    DrawableString* bottomLabel = nullptr;
    Coord topOffset, bottomOffset;
    Button* button;
    std::string levelPath;
    std::string name;
    INFINITY_BUTTON_STATUS status;
    VectorModel* medal;
    InfinityMapResults* results = nullptr;
    Coord bronzeOffset, silverOffset, goldOffset;
    float spin;
};
