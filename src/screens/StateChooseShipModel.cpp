// The ship-model screen: unlocks by medals, the big turning ship, the grid.
#include "screens/StateChooseShipModel.h"

#include <GLES/gl.h>

#include <cstdio>

#include "actors/Player.h"
#include "core/Device.h"
#include "core/StateTransition.h"
#include "graphics/DrawString.h"
#include "graphics/MultiColorVectorFrame.h"
#include "graphics/VectorFrame.h"
#include "graphics/VectorModel.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "screens/StateChooseGameType.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"
#include "widgets/NavigationGrid.h"
#include "widgets/NavigationNode.h"

const signed char StateChooseShipModel::MEDAL_NEEDS[MAX_MODELS][3] = {
    {0, 0, 0}, {2, 1, 0}, {3, 2, 1}, {4, 3, 2}, {5, 4, 3}, {6, 5, 4}, {7, 6, 5}, {8, 7, 6}, {8, 8, 8}};

// The model that also needs every campaign done at every difficulty.
static const int LAST_MODEL = 8;
// Degrees the ship turns per update.
static const float SPIN_STEP = 2.0f;

StateChooseShipModel::StateChooseShipModel() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Achievements* a = Achievements::getInstance();
    allCampaignsDone = true;
    for (int d = 0; d < 3 && allCampaignsDone; d++)
        allCampaignsDone = a->getPercentageOfAllCampaignsDone(d) == 100;
    baseModel = VectorModel::loadFromLuaScript("/data/graphics/shipSelectionBaseGraphic.lua");
    shipModel = VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
    modelCount = shipModel ? shipModel->getNumberOfFrames() : 0;
    // More frames than the grid holds are not offered.
    if (modelCount > MAX_MODELS)
        modelCount = MAX_MODELS;
    back = new BackButton(BackButton::BACK_BUTTON_UP);
    backButton = back;
    int b = a->getNumberOfBronzeMedals(), s = a->getNumberOfSilverMedals(), g = a->getNumberOfGoldMedals();
    for (int i = 0; i < modelCount; i++)
        unlocked[i] = b >= MEDAL_NEEDS[i][0] && s >= MEDAL_NEEDS[i][1] && g >= MEDAL_NEEDS[i][2];

    NavigationGrid grid(3, 3);
    for (int i = 0; i < modelCount; i++) {
        int c = i % 3, r = i / 3;
        float x = W * (r - 3.5f) * -0.2f;
        float y = H * (0.5f - 0.2f * c);
        if (i == LAST_MODEL && !allCampaignsDone) {
            hiddenMark = new DrawableString("^1?", Coord(x, y, 0));
            hiddenMark->setCoord(Coord(x + hiddenMark->getHeight() / 2, y + hiddenMark->getWidth() / 2, 0));
            modelCount--;
            break;
        }
        Button* button = new Button(unlocked[i] ? "" : "^1???", Coord(x, y, 0), Button::DECORATION_NONE);
        button->setWidthAndHeight(Coord(0.19f * W, 0.19f * H, 0));
        modelButtons.push_back(button);
        grid.add(navigation.addNode(button), c, r);
    }
    hint = new DrawableString("^3Unlock new ships by winning medals", Coord());
    hint->setZoom(0.0023f * W);
    hint->centerY(0.1f * W);
    defenseLine = new DrawableString("-", Coord());
    defenseLine->setZoom(0.0022f * W);
    speedLine = new DrawableString("-", Coord());
    speedLine->setZoom(0.0022f * W);
    spin = 0.0f;
    int stored = Preferences::getInstance()->getShipModelSelected();
    // A stored model without a frame shows as model 0; the stored value stays
    // until the player picks another one.
    setSelectedModel(stored >= 0 && stored < (shipModel ? shipModel->getNumberOfFrames() : 0) ? stored : 0);
    leaving = false;

    navigation.automaticallySetLinks(&grid, false);
    for (int c = 0; c < 3; c++) {
        NavigationNode* top = KeyboardNavigation::getNode(&grid, c, 0);
        if (!top)
            continue;
        NavigationNode* backNode = navigation.addNode(back);
        backNode->down = top;
        top->up = backNode;
    }
}

StateChooseShipModel::~StateChooseShipModel() {
    delete back;
    delete hint;
    delete defenseLine;
    delete speedLine;
    delete hiddenMark;
    for (Button* b : modelButtons)
        delete b;
}

std::string StateChooseShipModel::getDefenseLine() const { return defenseLine->getString(); }
std::string StateChooseShipModel::getSpeedLine() const { return speedLine->getString(); }

void StateChooseShipModel::setSelectedModel(int model) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    selected = model;
    if (MultiColorVectorFrame* frame = shipModel ? shipModel->getMultiColorVectorFrame(model) : nullptr) {
        for (int k = 0; k < 2 && k < frame->getNumberOfColors(); k++)
            (k == 0 ? firstColor : secondColor) = frame->getVectorFrame(k)->getColor();
    }
    char buffer[128];
    snprintf(buffer, sizeof buffer, "Defense: %i", Player::getNumberOfBulletsOfModel(model));
    defenseLine->setString(buffer);
    defenseLine->setCoord(Coord(0.3f * W, 0.8f * H + defenseLine->getWidth() / 2, 0));
    float speed = 100.0f * Player::getSpeedFactorOfModel(model);
    snprintf(buffer, sizeof buffer, "Speed: %i%%", (int)speed);
    speedLine->setString(buffer);
    speedLine->setCoord(Coord(0.22f * W, 0.8f * H + speedLine->getWidth() / 2, 0));
}

void StateChooseShipModel::draw() {
    int Wi = Device::screenWidth;
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    glPushMatrix();
    glTranslatef((float)(Wi / 2), 0.8f * H, 0);
    float scale = (float)(Wi / 100);
    glScalef(scale, scale, scale);
    glRotatef(40.0f, 0, 1, 0);
    glRotatef(spin, 0, 0, 1);
    if (shipModel)
        shipModel->draw(selected);
    if (baseModel) {
        const Color* ringColors[3] = {&secondColor, &firstColor, &secondColor};
        for (int ring = 0; ring < 3; ring++) {
            if (ring > 0)
                glScalef(2, 2, 1);
            glRotatef((ring == 0 ? -0.5f : -0.3f) * spin, 0, 0, 1);
            const Color* c = ringColors[ring];
            glColor4f(c->r, c->g, c->b, c->a);
            baseModel->drawWithoutColor(0);
        }
    }
    glPopMatrix();
    back->draw();
    hint->draw();
    DrawString* ds = DrawString::getInstance();
    char buffer[100];
    for (int i = 0; i < modelCount; i++) {
        Coord c = modelButtons[i]->getCoord();
        if (!unlocked[i]) {
            modelButtons[i]->drawWithColor(Color(1, 0, 0));
        } else {
            modelButtons[i]->draw();
            glPushMatrix();
            glTranslatef(c.x, c.y, 0);
            glScalef(0.002f * W, 0.002f * W, 0);
            shipModel->draw(i);
            glPopMatrix();
        }
        glPushMatrix();
        glTranslatef(c.x + 0.056f * W, c.y - 0.09f * W, 0);
        glScalef(0.0015f * W, 0.0015f * W, 0.0015f * W);
        glRotatef(-90.0f, 0, 0, 1);
        const char* formats[3] = {"^[%i", "^;%i", "^u%i"};
        const int needs[3] = {MEDAL_NEEDS[i][2], MEDAL_NEEDS[i][1], MEDAL_NEEDS[i][0]};
        for (int k = 0; k < 3; k++) {
            if (k > 0)
                glTranslatef(0, -26, 0);
            snprintf(buffer, sizeof buffer, formats[k], needs[k]);
            ds->draw(buffer, 1.0f);
        }
        glPopMatrix();
    }
    glColor4f(firstColor.r, firstColor.g, firstColor.b, firstColor.a);
    defenseLine->drawWithoutColor();
    speedLine->drawWithoutColor();
    if (hiddenMark)
        hiddenMark->draw();
}

StateTransition* StateChooseShipModel::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    spin += SPIN_STEP;
    bool backPressed = back->update();
    for (int i = 0; i < modelCount; i++) {
        if (modelButtons[i]->update() && unlocked[i]) {
            setSelectedModel(i);
            Preferences::getInstance()->setShipModelSelected(i);
        }
    }
    // Game drops an answer given while the screen turns in: a press then
    // must not leave the screen waiting to leave.
    if (backPressed && !leaving && active) {
        leaving = true;
        Preferences::getInstance()->save();
        return new StateTransition(new StateChooseGameType(), StateTransition::TRANSITION_2);
    }
    return nullptr;
}
