// The chapter screen: percentages, locks by difficulty, the difficulty choice.
#include "screens/StateChooseCampaignNumber.h"

#include <cstdio>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/LevelList.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseGameType.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"
#include "widgets/NavigationGrid.h"

static const char* const chapterNames[3] = {"Chapter One", "Chapter Two", "Chapter Three"};

// The difficulty as the preferences hold it, kept to the three known values.
static int chosenDifficulty() {
    int d = Preferences::getInstance()->getDifficultySettings();
    return d < 0 || d > 2 ? 0 : d;
}

StateChooseCampaignNumber::StateChooseCampaignNumber() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    back = new BackButton(BackButton::BACK_BUTTON_UP);
    backButton = back;
    int count = LevelList::getInstance()->getNumberOfCampaigns() == 3 ? 3 : 2;
    for (int i = 0; i < count; i++) {
        Button* b = new Button(chapterNames[i], Coord(), Button::DECORATION_CUT);
        b->setWidthAndHeight(Coord(0.14f * W, 0.6f * H, 0));
        b->setCoord(Coord((0.61f - 0.16f * i) * W, 0.53f * H, 0));
        chapters.push_back(b);
        DrawableString* label = new DrawableString("", Coord((0.64f - 0.16f * i) * W, 0.17f * H, 0));
        label->setZoom(0.002f * W);
        percentages.push_back(label);
    }
    title = new DrawableString("", Coord());
    const char* names[3] = {"Easy", "Normal", "Hard"};
    const float ys[3] = {0.8f, 0.5f, 0.2f};
    for (int d = 0; d < 3; d++) {
        difficulty[d] = new Button(names[d], Coord(0.09f * W, ys[d] * H, 0), Button::DECORATION_CUT);
        difficulty[d]->setWidthAndHeight(Coord(0.15f * W, 0.24f * H, 0));
    }
    setPercentages();
    setTitle();

    NavigationGrid grid(3, count + 2);
    NavigationNode* backNode = navigation.addNode(back);
    for (int c : {1, 0, 2})
        grid.add(backNode, c, 0);
    for (int i = 0; i < count; i++) {
        NavigationNode* n = navigation.addNode(chapters[i]);
        for (int c = 0; c < 3; c++)
            grid.add(n, c, i + 1);
    }
    for (int d = 0; d < 3; d++)
        grid.add(navigation.addNode(difficulty[d]), d, count + 1);
    navigation.automaticallySetLinks(&grid, false);
}

StateChooseCampaignNumber::~StateChooseCampaignNumber() {
    delete back;
    delete title;
    for (Button* b : difficulty)
        delete b;
    for (Button* b : chapters)
        delete b;
    for (DrawableString* s : percentages)
        delete s;
}

std::string StateChooseCampaignNumber::getPercentage(int i) const { return percentages[i]->getString(); }
std::string StateChooseCampaignNumber::getTitle() const { return title->getString(); }

void StateChooseCampaignNumber::setPercentages() {
    int d = chosenDifficulty();
    const char colours[3] = {'2', 'u', 'r'};
    char buffer[100];
    for (size_t i = 0; i < percentages.size(); i++) {
        snprintf(buffer, sizeof buffer, "^7%i^%c%%",
                 Achievements::getInstance()->getPercentageOfCampaignDone((int)i, d), colours[d]);
        percentages[i]->setString(buffer);
    }
}

void StateChooseCampaignNumber::setTitle() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    int d = chosenDifficulty();
    const char* titles[3] = {"^2-^7Easy mode^2-", "^u-^7Normal mode^u-", "^r-^7Hard mode^r-"};
    title->setString(titles[d]);
    title->setZoom(0.004f * W);
    title->centerY(0.81f * W);
    Achievements* a = Achievements::getInstance();
    chapterTwoLocked = !a->isCampaignDone(0, d);
    chapters[1]->setString(chapterTwoLocked ? "Chapter Two (Locked)" : "Chapter Two");
    chapters[1]->setWidthAndHeight(Coord(0.14f * W, 0.6f * H, 0));
    if (chapters.size() > 2) {
        chapterThreeLocked = !a->isCampaignDone(1, d);
        chapters[2]->setString(chapterThreeLocked ? "Chapter Three (Locked)" : "Chapter Three");
        chapters[2]->setWidthAndHeight(Coord(0.14f * W, 0.6f * H, 0));
    }
}

void StateChooseCampaignNumber::draw() {
    for (size_t i = 0; i < chapters.size(); i++) {
        if (isChapterLocked((int)i)) {
            chapters[i]->drawWithColor(Color(1, 0, 0));
        } else {
            chapters[i]->draw();
            percentages[i]->draw();
        }
    }
    back->draw();
    int d = chosenDifficulty();
    for (int k = 0; k < 3; k++) {
        if (k == d)
            difficulty[k]->drawWithColor(Color(1, 1, 0));
        else
            difficulty[k]->draw();
    }
    title->draw();
}

StateTransition* StateChooseCampaignNumber::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    bool backPressed = back->update();
    int chapter = -1;
    for (size_t i = 0; i < chapters.size(); i++) {
        if (chapters[i]->update() && !isChapterLocked((int)i) && chapter < 0)
            chapter = (int)i;
    }
    if (backPressed)
        return new StateTransition(new StateChooseGameType(), StateTransition::TRANSITION_2);
    if (chapter >= 0)
        return new StateTransition(new StateChooseCampaign(LevelList::getInstance()->getCampaign(chapter)),
                                   StateTransition::TRANSITION_1);
    int chosen = -1;
    for (int d = 0; d < 3; d++)
        if (difficulty[d]->update())
            chosen = d;
    if (chosen >= 0) {
        Preferences::getInstance()->setDifficultySettings(chosen);
        Preferences::getInstance()->save();
        setPercentages();
        setTitle();
    }
    return nullptr;
}
