// The ship models: a 3 x 3 grid unlocked by medals (the last one also needs
// every campaign done), the chosen ship large over spinning rings, its
// defence and speed. The choice is saved on the way back.
#pragma once

#include <string>
#include <vector>

#include "core/Color.h"
#include "core/State.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class Button;
class DrawableString;
class VectorModel;

class StateChooseShipModel : public State {
public:
    static const int MAX_MODELS = 9;
    // Medals a model needs: bronze, silver, gold.
    static const signed char MEDAL_NEEDS[MAX_MODELS][3];

    StateChooseShipModel();
    ~StateChooseShipModel() override;
    StateChooseShipModel(const StateChooseShipModel&) = delete;
    StateChooseShipModel& operator=(const StateChooseShipModel&) = delete;

    void setSelectedModel(int model);
    void draw() override;
    StateTransition* updateState() override;

    int getSelected() const { return selected; }
    int getModelCount() const { return modelCount; }
    bool isUnlocked(int model) const { return model >= 0 && model < MAX_MODELS && unlocked[model]; }
    bool lastModelIsHidden() const { return hiddenMark != nullptr; }
    Button* getModelButton(int i) { return modelButtons[i]; }
    BackButton* getBackButton() { return back; }
    std::string getDefenseLine() const;
    std::string getSpeedLine() const;

private:
    BackButton* back;
    KeyboardNavigation navigation;
    DrawableString* hint;
    DrawableString* defenseLine;
    DrawableString* speedLine;
    DrawableString* hiddenMark = nullptr;
    std::vector<Button*> modelButtons;
    VectorModel* shipModel;
    VectorModel* baseModel;
    float spin = 0.0f;
    int selected = 0;
    bool leaving = false;
    int modelCount = 0;
    bool unlocked[MAX_MODELS] = {};
    bool allCampaignsDone = false;
    Color firstColor;
    Color secondColor;
};
