// Campaign level buttons: status, colours and the best-time label.
#include "widgets/CampaignButton.h"

#include <GLES/gl.h>

#include <cstdio>

#include "core/Device.h"
#include "widgets/DrawableString.h"

CampaignButton::CampaignButton(std::string levelName, std::string levelPath, int levelColumn, int time,
                               CAMPAIGN_BUTTON_STATUS s)
    : button(levelName, Coord(), Button::DECORATION_CUT), column(levelColumn), path(levelPath), name(levelName) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    button.setWidthAndHeight(Coord(0.13f * W, 0.38f * H, 0));
    setStatus(s);
    if (time != -1) {
        timeLabel = new DrawableString(formatTime(time), Coord(0.13f * W, 0.38f * H, 0));
        timeLabel->setZoom(0.0014f * W);
        timeOffsetY = -0.54f * H + timeLabel->getWidth();
        timeOffsetX = -0.21f * W;
    }
}

CampaignButton::~CampaignButton() { delete timeLabel; }

// Truncates toward zero, held inside the int range (a time read from a file
// may be anything).
static int truncate(float v) {
    if (v >= 2147483647.0f)
        return 2147483647;
    if (v <= -2147483648.0f)
        return -2147483647 - 1;
    return (int)v;
}

std::string CampaignButton::formatTime(int steps) {
    float t = (float)steps;
    int minutes = truncate(t / 3600);
    int seconds = truncate(t / 60) % 60;
    int thousandths = truncate(t * 1000 / 60) % 1000;
    // A hostile time from a file only makes a long text, never an overflow.
    char text[64];
    snprintf(text, sizeof text, "%i:%s%i.%s%i", minutes, seconds < 10 ? "0" : "", seconds,
             thousandths <= 9    ? "00"
             : thousandths <= 99 ? "0"
                                 : "",
             thousandths);
    return text;
}

void CampaignButton::setStatus(CAMPAIGN_BUTTON_STATUS s) {
    status = s;
    button.setString(status == CAMPAIGN_BUTTON_LOCKED ? "????" : name);
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    button.setWidthAndHeight(Coord(0.13f * W, 0.38f * H, 0));
}

bool CampaignButton::update() {
    bool pressed = button.update();
    return status == CAMPAIGN_BUTTON_LOCKED ? false : pressed;
}

void CampaignButton::draw() {
    switch (status) {
    case CAMPAIGN_BUTTON_FINISHED:
        button.drawWithColor(Color(0.0f, 1.0f, 0.0f));
        if (timeLabel) {
            Coord c = button.getCoord();
            glPushMatrix();
            glTranslatef(c.x + timeOffsetX, c.y + timeOffsetY, 0.0f);
            timeLabel->draw();
            glPopMatrix();
        }
        break;
    case CAMPAIGN_BUTTON_OPEN: button.drawWithColor(Color(1.0f, 1.0f, 0.0f)); break;
    case CAMPAIGN_BUTTON_LOCKED: button.drawWithColor(Color(0.8f, 0.0f, 0.0f)); break;
    }
}
