// Play screen drawing: the flat and 3-D cameras, the world, the heads-up
// lines, the playback overlay and the widgets over the game.
#include <GLES/gl.h>

#include <cstdio>

#include "actors/Player.h"
#include "core/Device.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "graphics/DrawString.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/PlaySettings.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "widgets/Button.h"
#include "widgets/InGameMenu.h"
#include "widgets/InGamePauseAlert.h"

void StatePlay::draw() {
    frameCount++;
    if (!luaState)
        return;
    float a = 0.0f, b = 0.0f;
    glPushMatrix();
    moveCamera(&a, &b);
    Entity::drawAll(a, b, Player::cameraAngle);
    texturedExplosions->draw();
    glPopMatrix();
    drawHUD();
    if (isPlayback)
        drawReplayUI();
    if (drawOkButton)
        okButton->draw();
    if (!hardwareInputInUse)
        joysticks->draw();
    menu->draw(hardwareInputInUse);
    if (quickPaused)
        InGamePauseAlert::draw();
}

// The camera moves in whole world units: the shift is truncated toward zero.
static void translateToCamera(float halfWidth, float halfHeight) {
    int tx = (int)(halfWidth - StatePlay::camera.x);
    int ty = (int)(halfHeight - StatePlay::camera.y);
    glTranslatef((float)tx, (float)ty, 0);
}

void StatePlay::moveCamera(float* a, float* b) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    if (!isPlayback || PlaySettings::replayIs2D()) {
        float z = realZoom, d = z + z;
        glScalef(z, z, 1.0f);
        glTranslatef(W / d, H / d, 0);
        // The turns are about the centre of the screen.
        glRotatef(cameraAngleOffsetX, 0, 1, 0);
        glRotatef(cameraAngleOffsetY, 1, 0, 0);
        glRotatef(cameraAngleOffsetZ + Player::cameraAngle, 0, 0, 1);
        glTranslatef(-W / d, H / (-2 * z), 0);
        translateToCamera(W / d, H / d);
        *a = cameraAngleOffsetX;
        *b = cameraAngleOffsetY;
        return;
    }
    float s = (float)(realZoom / 1.2), d = s + s;
    glScalef(s, s, s);
    glTranslatef(W / d, H / d, 0);
    glRotatef(replayTilt, 0, 1, 0);
    glRotatef(replaySpin, 0, 0, 1);
    // The view moves for the next frame: by itself, or dragged with one finger.
    if (PlaySettings::rotateDuringReplays()) {
        replaySpin += 0.4f;
    } else if (Game::getInstance()->touchIsActive(0)) {
        Coord t = Game::getInstance()->getTouchCoord(0);
        if (isDragging) {
            replayTilt += (lastTouch.x - t.x) * -0.5f;
            replaySpin += (lastTouch.y - t.y) * 0.5f;
        }
        isDragging = true;
        lastTouch = t;
    } else {
        isDragging = false;
    }
    glTranslatef(-W / d, H / (-2 * s), 0);
    translateToCamera(W / d, H / d);
    *a = replayTilt;
    *b = replaySpin;
}

static void drawHUDLine(const std::string& text, Coord at, float scale) {
    if (text.empty())
        return;
    glPushMatrix();
    glTranslatef(at.x, at.y, 0);
    glRotatef(-90.0f, 0, 0, 1);
    glColor4f(1, 1, 1, 1);
    glScalef(scale, scale, 1.0f);
    Game::ds->draw(text, 1.0f);
    glPopMatrix();
}

void StatePlay::drawHUD() {
    drawHUDLine(HUDString1, hud1Position, hudScale);
    drawHUDLine(HUDString2, hud2Position, hudScale);
}

std::string StatePlay::progressText(int index, int size) {
    float percent = (float)(index * 100);
    if (size != 0)
        percent /= (float)size;
    char text[64];
    snprintf(text, sizeof text, "^u%4.2f^r%%", percent);
    return text;
}

// The simulation's rate: steps per second of play.
static const int STEPS_PER_SECOND = 60;

std::string StatePlay::timeText(int index, int size) {
    int e = index / STEPS_PER_SECOND, t = size / STEPS_PER_SECOND;
    const char* format;
    if (e % 60 < 10)
        format = t % 60 < 10 ? "^u%i^3:^u0%i^r/^u%i^3:^u0%i" : "^u%i^3:^u0%i^r/^u%i^3:^u%i";
    else
        format = t % 60 < 10 ? "^u%i^3:^u%i^r/^u%i^3:^u0%i" : "^u%i^3:^u%i^r/^u%i^3:^u%i";
    char text[64];
    snprintf(text, sizeof text, format, e / 60, e % 60, t / 60, t % 60);
    return text;
}

void StatePlay::drawReplayUI() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    fastForwardButton->draw();

    float k = (float)(W * 0.0026);
    glPushMatrix();
    glTranslatef((float)(W * 0.08), (H + replayNameWidth * k) * 0.5f, 0);
    glRotatef(-90.0f, 0, 0, 1);
    glScalef(k, k, 0);
    replayNameModel.draw();
    glPopMatrix();

    int size = replay->getSizeOfReplay();
    DrawString* ds = DrawString::getInstance();
    glPushMatrix();
    glTranslatef((float)(W * 0.06), (float)(H * 0.15), 0);
    glRotatef(-90.0f, 0, 0, 1);
    float k2 = (float)(W * 0.0016);
    glScalef(k2, k2, 0);
    ds->drawWithAlpha(progressText(stepIndex, size), 1.0f, 1.0f);
    glTranslatef(-0.82f * H / k2, 0, 0);
    ds->drawWithAlpha(timeText(stepIndex, size), 1.0f, 1.0f);
    glPopMatrix();
}
