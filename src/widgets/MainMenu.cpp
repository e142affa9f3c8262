// Main menu panel: layout, the press order and the title's effects.
#include "widgets/MainMenu.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdlib>

#include "core/Device.h"
#include "graphics/AudioPlayer.h"
#include "graphics/VectorModel.h"
#include "widgets/Button.h"
#include "widgets/NavigationNode.h"

MainMenu::MainMenu() : title("^3Zorbix 2", Coord()), playColor(1.0f, 1.0f, 1.0f) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    title.setZoom(0.007f * W);
    title.centerY(0.82f * W);

    playButton = new Button("Play", Coord(0.39f * W, 0.5f * H, 0), Button::DECORATION_DEEP_CUT);
    playButton->setWidthAndHeight(Coord(0.35f * W, 0.35f * H, 0));
    playButton->setVectorModel(VectorModel::loadFromLuaScript("/data/graphics/buttons/buttonDownLight.lua"), 0);
    settingsButton = new Button("Settings", Coord(0.39f * W, 0.16f * H, 0), Button::DECORATION_CUT);
    settingsButton->setWidthAndHeight(Coord(0.2f * W, 0.3f * H, 0));
    settingsButton->setVectorModel(VectorModel::loadFromLuaScript("/data/graphics/buttons/buttonRightLight.lua"), 0);
    tutorialButton = new Button("Tutorial", Coord(0.39f * W, 0.84f * H, 0), Button::DECORATION_CUT);
    tutorialButton->setWidthAndHeight(Coord(0.2f * W, 0.3f * H, 0));

    NavigationNode* play = navigation.addNode(playButton);
    NavigationNode* settings = navigation.addNode(settingsButton);
    navigation.addNode(tutorialButton);
    play->right = settings;
    settings->left = play;
}

MainMenu::~MainMenu() {
    delete playButton;
    delete settingsButton;
    delete tutorialButton;
}

float MainMenu::jitterFactor(int amplitude) { return amplitude == 0 ? 0.5f : amplitude / 200.0f + 0.1f; }

int MainMenu::update(int keys) {
    navigation.update(keys);
    phase += 0.05f;
    playColor.init(1.0f, 1.0f, 0.5f + 0.5f * cosf(phase));
    // Later buttons win when two complete a press in the same frame.
    int code = playButton->update() ? 1 : 0;
    if (settingsButton->update())
        code = 3;
    if (tutorialButton->update())
        code = 6;
    return code;
}

void MainMenu::draw() {
    settingsButton->draw();
    playButton->drawWithColor(playColor);
    tutorialButton->draw();

    // The title, then ten copies stepping back and fading.
    glPushMatrix();
    for (int i = 0; i <= 10; i++) {
        if (i == 0)
            title.draw();
        else
            title.drawWithAlpha(0.5f - 0.05f * i);
        glTranslatef(0.0f, 0.0f, -5.0f);
    }
    glPopMatrix();

    // Two spark lines leave the ends of the title, shaking with the music.
    Coord origin = title.getCoord();
    float h = title.getHeight(), w = title.getWidth();
    float f = jitterFactor(AudioPlayer::getInstance()->getAmplitudeOfMusic());
    const int points = 100;
    float a[points * 2], b[points * 2];
    float ax = origin.x - 0.4f * h, ay = origin.y - w;
    float bx = origin.x - 0.4f * h, by = origin.y;
    for (int k = 0; k < points; k++) {
        a[2 * k] = ax;
        a[2 * k + 1] = ay;
        b[2 * k] = bx;
        b[2 * k + 1] = by;
        ay -= rand() % 6 + 3;
        by += rand() % 6 + 3;
        ax += (rand() % 11 - 5) * f;
        bx += (rand() % 11 - 5) * f;
    }
    // One draw for both lines: segment s of each, in the order they overlap,
    // each segment in its own fading colour.
    const float r = 232 / 255.0f, g = 1.0f, bl = 25 / 255.0f;
    const int segments = 50;
    float vertices[segments * 4 * 2];
    float colours[segments * 4 * 4];
    int count = 0;
    float alpha = 0.97f, drawn = alpha;
    for (int s = 0;; s++) {
        drawn = alpha;
        const float* ends[2] = {a + 2 * s, b + 2 * s};
        for (const float* e : ends) {
            for (int v = 0; v < 2; v++) {
                vertices[2 * count] = e[2 * v];
                vertices[2 * count + 1] = e[2 * v + 1];
                float* c = colours + 4 * count;
                c[0] = r;
                c[1] = g;
                c[2] = bl;
                c[3] = alpha;
                count++;
            }
        }
        if (s + 1 >= segments)
            break;
        alpha = (float)(alpha - 0.03);
        if (alpha < 0.0f)
            break;
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_FLOAT, 0, colours);
    glVertexPointer(2, GL_FLOAT, 0, vertices);
    glDrawArrays(GL_LINES, 0, count);
    glDisableClientState(GL_COLOR_ARRAY);
    glColor4f(r, g, bl, drawn);
}
