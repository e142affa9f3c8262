// In-game menu: the slide, the buttons of each layout and the quit question.
#include "widgets/InGameMenu.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "graphics/drawFilledShape.h"
#include "widgets/Button.h"
#include "widgets/NavigationNode.h"

InGameMenu::InGameMenu(bool replay) : isReplay(replay), confirmText("Are you sure?", Coord()) {
    int W = Device::screenWidth, H = Device::screenHeight;
    openPosition = (float)(0.7 * W);
    Coord size((float)(0.12 * W), (float)(H * 0.6 * 0.6), 0.0f);
    auto make = [&](const char* label, double f, Button::Decoration decoration) {
        Button* b = new Button(label, Coord((float)(f * openPosition), 0.0f, 0.0f), decoration);
        b->setWidthAndHeight(size);
        // Touches are tested where the panel stands when it is open.
        b->addOffsetToCollisionRect(Coord((float)(W - openPosition + 1.0), (float)(H / 2), 0.0f));
        return b;
    };
    if (!isReplay) {
        continueButton = make("Continue", 0.18, Button::DECORATION_DEEP_CUT);
        quitButton = make("Quit", 0.42, Button::DECORATION_CUT);
        swapButton = make("Swap Joysticks", 0.62, Button::DECORATION_CUT);
        if (Device::allowChoosingThePositionOfTheJoystics)
            moveButton = make("Move Joysticks", 0.82, Button::DECORATION_CUT);
    } else {
        quitButton = make("Quit", 0.4, Button::DECORATION_CUT);
        continueButton = make("Continue", 0.6, Button::DECORATION_DEEP_CUT);
    }
    yesButton = make("Yes", 0.4, Button::DECORATION_CUT);
    noButton = make("No", 0.2, Button::DECORATION_DEEP_CUT);

    float z = (float)(H * 0.6 * 0.003);
    float w = confirmText.getWidth();
    confirmText.setCoord(Coord((float)(0.7 * openPosition), z * w * 0.5f, 0.0f));
    confirmText.setZoom(z);

    float h = (float)(0.3 * H);
    const float lines[12] = {0, -h, openPosition, -h, 0, h, openPosition, h, 0, h, 0, -h};
    for (int i = 0; i < 12; i++)
        panelOutline[i] = lines[i];
    panelColour = Color(0.0f, 0.0f, 0.0f, 0.8f);

    // Focus starts on the safe choice; the panel's x is the user's up.
    Button* order[4] = {continueButton, quitButton, swapButton, moveButton};
    if (isReplay) {
        order[0] = quitButton;
        order[1] = continueButton;
    }
    NavigationNode* nodes[4] = {};
    for (int i = 0; i < 4 && order[i]; i++) {
        nodes[i] = navigation.addNode(order[i]);
        if (i > 0) {
            nodes[i]->down = nodes[i - 1];
            nodes[i - 1]->up = nodes[i];
        }
    }
    if (isReplay)
        navigation.setCurrentNode(nodes[1]);
    NavigationNode* no = confirmNavigation.addNode(noButton);
    NavigationNode* yes = confirmNavigation.addNode(yesButton);
    no->up = yes;
    yes->down = no;
}

InGameMenu::~InGameMenu() {
    delete quitButton;
    delete continueButton;
    delete swapButton;
    delete moveButton;
    delete yesButton;
    delete noButton;
}

int InGameMenu::update(int keys) {
    if (closed) {
        if (!tabRequest)
            return 0;
        closed = false;
        tabRequest = false;
        opening = true;
        speed = 0.0f;
        return 1;
    }
    if (open && confirming) {
        confirmNavigation.update(keys);
        bool yes = yesButton->update();
        bool no = noButton->update();
        // A second back key while the question shows confirms it.
        if (yes || tabRequest) {
            tabRequest = false;
            open = false;
            closing = true;
            return 3;
        }
        if (no)
            confirming = false;
        return 0;
    }
    if (open) {
        navigation.update(keys);
        bool q = quitButton->update();
        bool c = continueButton->update();
        bool s = swapButton ? swapButton->update() : false;
        bool m = moveButton ? moveButton->update() : false;
        if (tabRequest) {
            tabRequest = false;
            confirming = true;
        } else if (q) {
            confirming = true;
        }
        int code = 0;
        if (c) {
            code = 2;
            closing = true;
            speed = 0.0f;
            open = false;
        }
        if (s)
            code = 4;
        if (m)
            code = 5;
        return code;
    }
    if (opening) {
        position += speed;
        speed += 4.0f;
        if (position > openPosition) {
            tabRequest = false;
            opening = false;
            position = openPosition;
            speed = 0.0f;
            open = true;
        }
    } else if (closing) {
        // Updated only so that their touch feedback ends.
        quitButton->update();
        continueButton->update();
        position -= speed;
        speed += 2.0f;
        if (position < 0.0f) {
            position = 0.0f;
            tabRequest = false;
            closing = false;
            speed = 0.0f;
            confirming = false;
            closed = true;
        }
    }
    return 0;
}

void InGameMenu::draw(bool controlsInUse) {
    if (closed || (controlsInUse && !closing))
        return;
    int W = Device::screenWidth, H = Device::screenHeight;
    glPushMatrix();
    glTranslatef((float)(W - position + 1.0), (float)(H / 2), 0.0f);

    float h = (float)(0.3 * H);
    const float panel[12] = {0, -h, openPosition, -h, openPosition, h, openPosition, h, 0, h, 0, -h};
    drawFilledShape(GL_TRIANGLES, panel, 6, panelColour.r, panelColour.g, panelColour.b, panelColour.a);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glVertexPointer(2, GL_FLOAT, 0, panelOutline);
    glDrawArrays(GL_LINES, 0, 6);

    // The safe choice is yellow.
    if (confirming) {
        confirmText.draw();
        yesButton->draw();
        noButton->drawWithColor(Color(1.0f, 1.0f, 0.0f));
    } else {
        quitButton->draw();
        continueButton->drawWithColor(Color(1.0f, 1.0f, 0.0f));
        if (swapButton)
            swapButton->draw();
        if (moveButton)
            moveButton->draw();
    }
    glPopMatrix();
}
