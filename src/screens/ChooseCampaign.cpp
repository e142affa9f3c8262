// Campaign chooser: statuses, layout, joining lines, dragging and drawing.
#include "screens/ChooseCampaign.h"

#include <GLES/gl.h>

#include <string>

#include "core/Device.h"
#include "core/Game.h"
#include "levelplay/Campaign.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"

ChooseCampaign::ChooseCampaign(Campaign* chapter) : campaign(chapter) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    int difficulty = Preferences::getInstance()->getDifficultySettings();
    Achievements* achievements = Achievements::getInstance();

    int maxColumn = 0;
    for (int i = 0; i < campaign->size(); i++)
        if (campaign->get(i)->column > maxColumn)
            maxColumn = campaign->get(i)->column;
    columns.resize(maxColumn + 1);

    for (int i = 0; i < campaign->size(); i++) {
        const CampaignLevelInformation* level = campaign->get(i);
        std::string path = level->path;
        int time = achievements->getCampaignLevelTime(path, difficulty);
        buttons.push_back(new CampaignButton(level->name, path, level->column, time, CAMPAIGN_BUTTON_LOCKED));
        // A negative column from the catalogue is placed with column 0.
        ColumnInformation& column = columns[level->column < 0 ? 0 : level->column];
        column.count++;
        column.indices.push_back(i);
    }

    if (!buttons.empty())
        buttons[0]->setStatus(CAMPAIGN_BUTTON_OPEN);
    for (CampaignButton* b : buttons) {
        if (!achievements->isCampaignLevelFinished(b->path, difficulty))
            continue;
        if (b->column + 1 <= maxColumn)
            for (int index : columns[b->column + 1].indices)
                buttons[index]->setStatus(CAMPAIGN_BUTTON_OPEN);
        b->setStatus(CAMPAIGN_BUTTON_FINISHED);
    }

    for (CampaignButton* b : buttons) {
        ColumnInformation& column = columns[b->column < 0 ? 0 : b->column];
        int k = column.placed++;
        float x = 0.2f * W * k - 0.2f * W * (column.count - 1) * 0.5f;
        float y = -b->column * 0.42f * H;
        b->button.setCoord(Coord(x, y, 0));
        if (-y < minOffset)
            minOffset = -y;
        if (-y > maxOffset)
            maxOffset = -y;
    }
    maxOffset += 0.42f * H;
    minOffset += 0.58f * H;

    for (int c = 0; c + 1 <= maxColumn; c++) {
        for (int a : columns[c].indices) {
            for (int b : columns[c + 1].indices) {
                Coord from = buttons[a]->button.getCoord(), to = buttons[b]->button.getCoord();
                lines.insert(lines.end(), {from.x, from.y - 0.19f * H, to.x, to.y + 0.19f * H});
            }
        }
    }

    std::string d = difficulty == 0 ? "^x" : difficulty == 1 ? "^u" : difficulty == 2 ? "^r" : "";
    const char* names[] = {"O^7ne", "T^7wo", "T^7hree"};
    int number = campaign->number;
    title.setString(number >= 0 && number <= 2 ? d + "C^7hapter " + d + names[number] : d + "Chapter??");
    title.setZoom(0.0022f * H);
    title.centerY(0.75f * W);
    offset = (float)Preferences::getInstance()->getCampaignMenuOffset(number);

    backButton = new BackButton(BackButton::BACK_BUTTON_UP);
    navigation.addNode(backButton);
}

ChooseCampaign::~ChooseCampaign() {
    Preferences::getInstance()->setCampaignMenuOffset(campaign->number, (int)offset);
    for (CampaignButton* b : buttons)
        delete b;
    delete backButton;
}

int ChooseCampaign::update(int keys) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Game* game = Game::getInstance();
    navigation.update(keys);

    int result = -1;
    for (size_t i = 0; i < buttons.size(); i++) {
        CampaignButton* b = buttons[i];
        // Touches are tested where the button is drawn.
        b->button.resetCollisionRect();
        b->button.addOffsetToCollisionRect(Coord((float)(Device::screenWidth / 3), offset, 0));
        if (b->getStatus() == CAMPAIGN_BUTTON_LOCKED)
            continue;
        Coord moved(captureStart.x - currentTouch.x, captureStart.y - currentTouch.y, 0);
        float d = moved.length();
        if (b->update() && d < 20.0f)
            result = (int)i;
    }

    if (!beeingDragged && touchCaptured && !game->getTouchCoord(touchId).equals(captureStart))
        beeingDragged = true;
    if (beeingDragged) {
        if (!game->touchIsActive(touchId)) {
            touchCaptured = false;
            beeingDragged = false;
        } else {
            Coord p = game->getTouchCoord(touchId);
            speed = p.y - currentTouch.y;
            offset += speed;
            currentTouch = p;
        }
    } else {
        offset += speed;
        speed *= 0.85f;
        if (game->rectIsTouched(Coord(0, 0, 0), Coord(0.8f * W, H, 0), &touchId)) {
            currentTouch = game->getTouchCoord(touchId);
            if (!touchCaptured)
                captureStart = currentTouch;
            touchCaptured = true;
        }
    }

    if (offset > maxOffset)
        offset += (maxOffset - offset) * 0.083f;
    if (offset < minOffset)
        offset += (minOffset - offset) * 0.083f;

    return backButton->update() ? -2 : result;
}

void ChooseCampaign::draw() {
    backButton->draw();
    title.draw();
    glPushMatrix();
    glTranslatef((float)(Device::screenWidth / 3), (float)(int)offset, 0.0f);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, lines.data());
    glDrawArrays(GL_LINES, 0, (GLsizei)(lines.size() / 2));
    for (CampaignButton* b : buttons)
        b->draw();
    glPopMatrix();
}
