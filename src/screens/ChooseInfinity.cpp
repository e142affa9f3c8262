// Infinity chooser: the grid of levels, the help lines and the focus links.
#include "screens/ChooseInfinity.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "graphics/VectorModel.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "savedata/Achievements.h"
#include "screens/InfinityButton.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"
#include "widgets/NavigationGrid.h"
#include "widgets/NavigationNode.h"

ChooseInfinity::ChooseInfinity() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    backButton = new BackButton(BackButton::BACK_BUTTON_UP);
    NavigationGrid grid(3, 3);
    const float columnY[3] = {0.83333f, 0.5f, 0.1666f};
    Achievements* achievements = Achievements::getInstance();
    for (int i = 0; i < 8; i++) {
        const LevelInformation* entry = LevelList::getInstance()->getLevelInformation(i);
        std::string name = entry ? entry->name : "", path = entry ? entry->path : "";
        InfinityButton* b;
        if (i == 6 && !achievements->isCampaignDone(0)) {
            b = new InfinityButton("", "", INFINITY_BUTTON_LOCKED);
            b->setLabels("Complete", "Chapter One");
        } else if (i == 7 && !achievements->isCampaignDone(1)) {
            b = new InfinityButton("", "", INFINITY_BUTTON_LOCKED);
            b->setLabels("Complete", "Chapter Two");
        } else {
            b = new InfinityButton(name, path, INFINITY_BUTTON_AVAILABLE);
        }
        int row = i / 3, column = i % 3;
        b->getButton()->setCoord(Coord((float)(W * (2.6 - row) * 0.18), H * columnY[column], 0));
        buttons.push_back(b);
        grid.add(navigation.addNode(b), column, row);
    }

    title = new DrawableString("^3Select game mode", Coord());
    title->setZoom(0.003f * W);
    title->centerY(0.815f * W);
    const char* lines[3] = {"upload scores with the ^3upload^7 button", "watch replays with the       buttons",
                            "see the world's top scores with the ^3go online^7 button"};
    for (int k = 0; k < 3; k++) {
        help[k] = new DrawableString(lines[k], Coord());
        help[k]->setZoom(0.001f * H);
        help[k]->centerY((float)(W * (0.61 + 0.053 * k)));
    }
    // Drawn at half scale, so it shows in the gap of the second help line.
    replayIcon = new Button("", Coord(2 * 0.645f * W, 2 * 0.39f * H, 0), Button::DECORATION_NONE);
    replayIcon->setVectorModel(VectorModel::loadFromLuaScript("/data/graphics/buttons/buttonReplay.lua"), 0);
    replayIcon->setWidthAndHeight(Coord(0.1f * W, 0.1f * H, 0));

    navigation.automaticallySetLinks(&grid, false);
    for (int c = 0; c < 3; c++) {
        NavigationNode* back = navigation.addNode(backButton);
        NavigationNode* top = grid.get(c, 0);
        back->down = top;
        top->up = back;
    }
}

ChooseInfinity::~ChooseInfinity() {
    delete backButton;
    delete replayIcon;
    delete title;
    for (DrawableString* line : help)
        delete line;
    for (InfinityButton* b : buttons)
        delete b;
}

int ChooseInfinity::update(int keys) {
    navigation.update(keys);
    bool back = backButton->update();
    int result = -1;
    for (size_t i = 0; i < buttons.size(); i++)
        if (buttons[i]->update())
            result = (int)i;
    return back ? -2 : result;
}

void ChooseInfinity::draw() {
    glPushMatrix();
    glScalef(0.5f, 0.5f, 0.0f);
    replayIcon->draw();
    glPopMatrix();
    title->draw();
    for (DrawableString* line : help)
        line->draw();
    for (InfinityButton* b : buttons)
        b->draw();
    backButton->draw();
}
