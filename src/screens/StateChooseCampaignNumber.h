// The campaign chapters at the chosen difficulty: each one's share done, the
// locks, and the three difficulty buttons (the choice is saved at once).
#pragma once

#include <string>
#include <vector>

#include "core/State.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class Button;
class DrawableString;

class StateChooseCampaignNumber : public State {
public:
    StateChooseCampaignNumber();
    ~StateChooseCampaignNumber() override;
    StateChooseCampaignNumber(const StateChooseCampaignNumber&) = delete;
    StateChooseCampaignNumber& operator=(const StateChooseCampaignNumber&) = delete;

    void setPercentages();
    void setTitle();
    void draw() override;
    StateTransition* updateState() override;

    Button* getChapterButton(int i) { return chapters[i]; }
    int getNumberOfChapters() const { return (int)chapters.size(); }
    Button* getDifficultyButton(int d) { return difficulty[d]; }
    BackButton* getBackButton() { return back; }
    std::string getPercentage(int i) const;
    std::string getTitle() const;
    bool isChapterLocked(int i) const { return (i == 1 && chapterTwoLocked) || (i == 2 && chapterThreeLocked); }

private:
    BackButton* back;
    DrawableString* title;
    Button* difficulty[3];
    std::vector<Button*> chapters;
    std::vector<DrawableString*> percentages;
    bool chapterTwoLocked = true;
    bool chapterThreeLocked = true;
    KeyboardNavigation navigation;
};
