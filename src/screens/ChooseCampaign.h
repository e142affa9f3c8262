// The campaign chooser panel: a chapter's levels as columns of buttons joined
// by lines, dragged along y with momentum and soft ends. The first level is
// always open; finishing any level of a column opens the whole next column.
// update answers the pressed level's index, -2 for back, or -1.
#pragma once

#include <vector>

#include "core/Coord.h"
#include "widgets/BackButton.h"
#include "widgets/CampaignButton.h"
#include "widgets/ColumnInformation.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class Campaign;

class ChooseCampaign {
public:
    explicit ChooseCampaign(Campaign* campaign);
    // Remembers the scroll position for the chapter's next visit.
    ~ChooseCampaign();
    ChooseCampaign(const ChooseCampaign&) = delete;
    ChooseCampaign& operator=(const ChooseCampaign&) = delete;

    int update(int keys);
    void draw();
    bool isBeeingDragged() const { return beeingDragged; }

    float getOffset() const { return offset; }
    float getSpeed() const { return speed; }
    float getMinOffset() const { return minOffset; }
    float getMaxOffset() const { return maxOffset; }
    const std::vector<CampaignButton*>& getButtons() const { return buttons; }
    const std::vector<float>& getLines() const { return lines; }
    DrawableString& getTitle() { return title; }
    BackButton* getBackButton() { return backButton; }

private:
    BackButton* backButton = nullptr;
    KeyboardNavigation navigation;
    Campaign* campaign;
    DrawableString title;
    float offset = 0.0f;
    float speed = 0.0f;
    std::vector<CampaignButton*> buttons;
    std::vector<ColumnInformation> columns;
    bool beeingDragged = false;
    bool touchCaptured = false;
    int touchId = 0;
    Coord currentTouch;
    Coord captureStart;
    float minOffset = 10000.0f;
    float maxOffset = -10000.0f;
    std::vector<float> lines;
};
