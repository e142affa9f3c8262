// Level menu: the two score lists, the toggle saved at once, the press order
// and the medals or the globe behind.
#include "screens/LevelMenu.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdio>

#include "core/Device.h"
#include "graphics/OptimizedStringModel.h"
#include "graphics/VectorModel.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/ScrollingScores.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/NavigationNode.h"

LevelMenu::LevelMenu(int levelNumber)
    : localCaption("^uLocal scores", Coord()), webCaption("^uWorld wide scores", Coord()) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    showingLocalScores = Preferences::getInstance()->get_isShowingLocalScores();
    const LevelInformation* entry = LevelList::getInstance()->getLevelInformation(levelNumber);
    if (!entry)
        entry = LevelList::getInstance()->getLevelInformation(0);
    LevelInformation none;
    if (!entry)
        entry = &none;
    levelPath = entry->path;
    levelName = entry->name;

    title.setString("^3" + levelName);
    title.setZoom(0.0023f * H);
    title.centerY(0.83f * W);
    for (DrawableString* caption : {&localCaption, &webCaption}) {
        caption->setZoom(0.001f * H);
        caption->centerY(0.75f * W);
    }

    Coord size(0.15f * W, 0.3f * W, 0);
    startButton = new Button("Start", Coord(0.62f * W, 0.5f * H, 0), Button::DECORATION_DEEP_CUT);
    startButton->setWidthAndHeight(size);
    thirdButton = new Button("Upload", Coord(0.62f * W, 0.2f * H, 0), Button::DECORATION_CUT);
    thirdButton->setWidthAndHeight(size);
    backButton = new BackButton(BackButton::BACK_BUTTON_UP);
    toggle = new MultipleValuesButton(Coord(0.62f * W, 0.8f * H, 0), size, Button::DECORATION_CUT);
    toggle->addValue("Go online", 0);
    toggle->addValue("Go local", 1);

    if (!showingLocalScores) {
        // Pressed from code so that it reads "Go local", with its usual sound.
        toggle->externalyPressed();
        toggle->update();
        thirdButton->setString("Refresh");
        webList = makeList(false);
    } else {
        localList = makeList(true);
    }
    thirdButton->setWidthAndHeight(size);

    medal = VectorModel::loadFromLuaScript("/data/graphics/medalGraphic.lua");
    globe = VectorModel::loadFromLuaScript("/data/graphics/sphereGraphic.lua");
    for (int k = 0; k < 3; k++)
        medalPositions[k] = Coord((float)(W * (0.82 - 0.045 * k)), 0.96f * H, 0);
    const char* formats[3] = {"^u%i", "^;%i", "^[%i"};
    const int values[3] = {entry->bronze, entry->silver, entry->gold};
    for (int k = 0; k < 3; k++) {
        char text[100];
        snprintf(text, sizeof text, formats[k], values[k]);
        thresholds[k] = new OptimizedStringModel(text);
    }

    NavigationNode* start = navigation.addNode(startButton);
    NavigationNode* toggleNode = navigation.addNode(toggle);
    NavigationNode* third = navigation.addNode(thirdButton);
    NavigationNode* back[3];
    for (NavigationNode*& node : back)
        node = navigation.addNode(backButton);
    toggleNode->set(back[0], nullptr, nullptr, start);
    start->set(back[1], nullptr, toggleNode, third);
    third->set(back[2], nullptr, start, nullptr);
    back[0]->down = toggleNode;
    back[1]->down = start;
    back[2]->down = third;
}

LevelMenu::~LevelMenu() {
    delete startButton;
    delete thirdButton;
    delete backButton;
    delete toggle;
    delete localList;
    delete webList;
    for (OptimizedStringModel* text : thresholds)
        delete text;
}

ScrollingScores* LevelMenu::makeList(bool local) {
    Scores* scores = Scores::getInstance();
    if (local)
        return new ScrollingScores(scores->getLocalScoresForLevel(levelPath), false);
    return new ScrollingScores(scores->getWebScoresForLevel(levelPath), true);
}

int LevelMenu::update(int keys) {
    float W = (float)Device::screenWidth;
    navigation.update(keys);
    spin += 0.5f;
    pulse += 0.1f;

    int code = startButton->update() ? 1 : 0;
    if (backButton->update())
        code = 2;
    bool toggled = toggle->update();
    bool upload = thirdButton->update();

    if (toggled) {
        showingLocalScores = !showingLocalScores;
        Preferences::getInstance()->set_isShowingLocalScores(showingLocalScores);
        Preferences::getInstance()->save();
        // A list, once made, is kept: toggling back shows it as it was.
        if (showingLocalScores) {
            if (!localList)
                localList = makeList(true);
            thirdButton->setString("Upload");
        } else {
            if (!webList)
                webList = makeList(false);
            thirdButton->setString("Refresh");
        }
        thirdButton->setWidthAndHeight(Coord(0.15f * W, 0.3f * W, 0));
    }
    if (upload)
        code = showingLocalScores ? 4 : 5;

    ScrollingScores* list = getShownList();
    if (list->scoresAreBeeingDragged())
        code = 0;
    int replay = list->update();
    return replay != 0 ? replay : code;
}

void LevelMenu::draw() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    if (!showingLocalScores) {
        glPushMatrix();
        glTranslatef(0.5f * W, 0.5f * H, 0.0f);
        glScalef(0.002f * W, 0.002f * W, 0.002f * W);
        glRotatef(60.0f, 1.0f, 1.0f, 1.0f);
        glRotatef(spin, 0.0f, 0.0f, 1.0f);
        glColor4f(10 / 255.0f, 149 / 255.0f, 249 / 255.0f, 0.25f);
        globe->drawWithoutColor(0);
        glPopMatrix();
    } else {
        float s = 0.001f * H;
        for (int k = 0; k < 3; k++) {
            glPushMatrix();
            glTranslatef(medalPositions[k].x, medalPositions[k].y, 0.0f);
            glPushMatrix();
            glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
            glTranslatef(0.06f * W, 0.01f * W, 0.0f);
            glScalef(s, s, s);
            thresholds[k]->draw();
            glPopMatrix();
            // The threshold text left its own colour current: the medal takes it.
            glRotatef(spin * (3.0f + 2.5f * k), 1.0f, 0.0f, 0.0f);
            glScalef(s, s, s);
            medal->drawWithoutColor(0);
            glPopMatrix();
        }
    }
    title.draw();
    if (!showingLocalScores) {
        webCaption.draw();
        webList->draw();
    } else {
        localList->draw();
        localCaption.draw();
    }
    startButton->drawWithColor(Color(1.0f, 1.0f, 0.5f + 0.5f * cosf(pulse)));
    toggle->draw();
    thirdButton->draw();
    backButton->draw();
}
