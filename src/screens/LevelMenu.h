// The level screen's panel for one infinity level: its name, "Start", the
// high scores (own or world, a remembered choice), the medal thresholds or
// the turning globe, and "Upload" or "Refresh". update answers 0 nothing,
// 1 Start, 2 back, 4 Upload, 5 Refresh, 6 + row a replay of the shown list.
#pragma once

#include <string>

#include "core/Coord.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class Button;
class MultipleValuesButton;
class OptimizedStringModel;
class ScrollingScores;
class VectorModel;

class LevelMenu {
public:
    // A number outside the catalogue shows level 0.
    explicit LevelMenu(int levelNumber);
    ~LevelMenu();
    LevelMenu(const LevelMenu&) = delete;
    LevelMenu& operator=(const LevelMenu&) = delete;

    int update(int keys);
    void draw();
    bool getIsShowingLocalScores() const { return showingLocalScores; }

    Button* getStartButton() { return startButton; }
    Button* getThirdButton() { return thirdButton; }
    MultipleValuesButton* getToggle() { return toggle; }
    BackButton* getBackButton() { return backButton; }
    ScrollingScores* getShownList() { return showingLocalScores ? localList : webList; }
    const std::string& getLevelPath() const { return levelPath; }

private:
    ScrollingScores* makeList(bool local);

    BackButton* backButton;
    KeyboardNavigation navigation;
    bool showingLocalScores;
    VectorModel* medal;
    Coord medalPositions[3];
    OptimizedStringModel* thresholds[3];
    VectorModel* globe;
    float spin = 0.0f;
    DrawableString title;
    DrawableString localCaption;
    DrawableString webCaption;
    std::string levelName;
    std::string levelPath;
    ScrollingScores* localList = nullptr;
    ScrollingScores* webList = nullptr;
    MultipleValuesButton* toggle;
    Button* thirdButton;
    Button* startButton;
    float pulse = 0.0f;
};
