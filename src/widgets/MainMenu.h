// The title screen's panel: the title with a fading trail, two spark lines
// that shake with the music, and the buttons Play (pulsing yellow), Settings
// and Tutorial. update answers 0 nothing, 1 Play, 3 Settings, 6 Tutorial.
// Its randomness is cosmetic and comes from the C rand(), never the game's.
#pragma once

#include "core/Color.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class Button;

class MainMenu {
public:
    MainMenu();
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    int update(int keys);
    void draw();

    // How hard the spark lines shake at a music amplitude.
    static float jitterFactor(int amplitude);

    Button* getPlayButton() { return playButton; }
    Button* getSettingsButton() { return settingsButton; }
    Button* getTutorialButton() { return tutorialButton; }
    Color getPlayColor() const { return playColor; }

private:
    Button* playButton;
    Button* settingsButton;
    Button* tutorialButton;
    DrawableString title;
    Color playColor;
    float phase = 0.0f;
    KeyboardNavigation navigation;
};
