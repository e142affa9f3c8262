// One level of the campaign chooser: a level button coloured by its status
// (finished green with its best time, open yellow, locked dark red "????").
#pragma once

#include <string>

#include "widgets/Button.h"

class DrawableString;

enum CAMPAIGN_BUTTON_STATUS { CAMPAIGN_BUTTON_FINISHED = 0, CAMPAIGN_BUTTON_OPEN = 1, CAMPAIGN_BUTTON_LOCKED = 2 };

class CampaignButton {
public:
    // time: the best time in steps (60 a second), -1 for none.
    CampaignButton(std::string name, std::string path, int column, int time, CAMPAIGN_BUTTON_STATUS status);
    ~CampaignButton();
    CampaignButton(const CampaignButton&) = delete;
    CampaignButton& operator=(const CampaignButton&) = delete;

    void setStatus(CAMPAIGN_BUTTON_STATUS status);
    CAMPAIGN_BUTTON_STATUS getStatus() const { return status; }
    // The button's press; a locked level never presses.
    bool update();
    void draw();

    // "m:ss.ttt" of a time in steps.
    static std::string formatTime(int steps);

    Button button;
    int column;
    std::string path;
    std::string name;
    DrawableString* timeLabel = nullptr;
    float timeOffsetY = 0.0f;
    float timeOffsetX = 0.0f;

private:
    CAMPAIGN_BUTTON_STATUS status = CAMPAIGN_BUTTON_LOCKED;
};
