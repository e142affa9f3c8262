// Game: construction, screen switching, touches, projection and drawing.
#include "core/Game.h"

#include <GLES/gl.h>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "core/Device.h"
#include "core/KeyPress.h"
#include "core/State.h"
#include "core/StateTransition.h"
#include "core/myfopen.h"

Game* Game::instance = nullptr;
int Game::frame = 0;
DrawString* Game::ds = nullptr;
MersenneTwister Game::mtRand;
std::mt19937 Game::secondary;
Sha256 Game::sha256;
bool Game::enableBackgroundGrid = true;
bool Game::randWasUsedByScript = false;
bool (*Game::screenReversed)() = nullptr;
void (*Game::drawGrid)(VectorModel* model) = nullptr;

// Degrees a switch must turn before it ends.
static const float transitionEndAngle = 60.0f;

static bool isScreenReversed() { return Game::screenReversed && Game::screenReversed(); }

Game* Game::getInstance() {
    if (!instance)
        new Game();
    return instance;
}

void Game::deleteInstance() {
    delete instance;
    instance = nullptr;
}

Game::Game() {
    transitionAxis[0] = transitionAxis[1] = transitionAxis[2] = 0.0f;
    score = 0;
    initMyStandardStreams();
    Device::init();
    srand((unsigned)time(nullptr));
    setUpOpenGL();
    instance = this;
    for (int i = 0; i < 2; i++) {
        touchX[i] = touchY[i] = pendingTouchX[i] = pendingTouchY[i] = -1;
        joystickAngle[i] = pendingJoystickAngle[i] = 0.0f;
        joystickNorm[i] = pendingJoystickNorm[i] = -1.0f;
    }
    current = nullptr;
    State::touchX = touchX;
    State::touchY = touchY;
    State::joystickAngle = joystickAngle;
    State::joystickNorm = joystickNorm;
    transitionAngle = 0.0f;
    transitionSpeed = 0.0f;
    inTransition = false;
    updateCount = 0;
}

Game::~Game() {
    ds = nullptr;
    delete current;
    delete previous;
}

// --- OpenGL set-up ---

void Game::setUpOpenGL() {
    initProjection(false, 2.0f, true);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void Game::initProjection(bool notReversed, float z, bool setViewport) {
    if (setViewport)
        initViewPort();
    if (!notReversed)
        initProjectionMatrix(isScreenReversed());
    else
        initProjectionMatrix(false);
    initModelViewMatrix(z);
}

void Game::initViewPort() { glViewport(0, 0, Device::screenHeight, Device::screenWidth); }

void Game::initProjectionMatrix(bool reversed) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (reversed)
        glFrustumf(0.1f, -0.1f, 0.1f, -0.1f, 0.1f, 200.0f);
    else
        glFrustumf(-0.1f, 0.1f, -0.1f, 0.1f, 0.1f, 200.0f);
    glMatrixMode(GL_MODELVIEW);
}

void Game::initModelViewMatrix(float z) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(4.0f / Device::screenHeight, 4.0f / Device::screenWidth, 0.005f / z);
    glTranslatef(-Device::screenHeight * 0.5f, -Device::screenWidth * 0.5f, -400.0f * z);
}

void Game::setOrientation(bool reversed) { initProjectionMatrix(reversed); }

void Game::refreshOrientation() { initProjectionMatrix(isScreenReversed()); }

// --- Input ---

void Game::setTouch(int x0, int y0, int x1, int y1) {
    int xs[2] = {x0, x1}, ys[2] = {y0, y1};
    for (int i = 0; i < 2; i++) {
        if (xs[i] == -1)
            continue;
        xs[i] = (int)(xs[i] * Device::touchMultiplier);
        ys[i] = (int)(ys[i] * Device::touchMultiplier);
    }
    bool reversed = isScreenReversed();
    for (int i = 0; i < 2; i++) {
        if (xs[i] == -1)
            continue;
        if (!reversed)
            ys[i] = Device::touchScreenHeight - ys[i];
        else
            xs[i] = Device::touchScreenWidth - xs[i];
    }
    for (int i = 0; i < 2; i++) {
        pendingTouchX[i] = xs[i];
        pendingTouchY[i] = ys[i];
    }
}

void Game::setJoysticks(float angle0, float norm0, float angle1, float norm1) {
    pendingJoystickAngle[0] = angle0;
    pendingJoystickNorm[0] = norm0;
    pendingJoystickAngle[1] = angle1;
    pendingJoystickNorm[1] = norm1;
}

bool Game::touchIsActive(int slot) { return touchX[slot] >= 0; }

Coord Game::getTouchCoord(int slot) { return Coord((float)touchX[slot], (float)touchY[slot], 0.0f); }

bool Game::rectIsTouched(Coord position, Coord size, int* slot) {
    for (int i = 0; i < 2; i++) {
        if (touchX[i] < 0)
            continue;
        float x = (float)touchX[i], y = (float)touchY[i];
        if (position.x < x && x < position.x + size.x && position.y < y && y < position.y + size.y) {
            if (slot)
                *slot = i;
            return true;
        }
    }
    return false;
}

void Game::setPause() {
    if (current)
        current->setPause();
}

// --- Score ---

void Game::increaseScore(int points) {
    // Saturates: a script may add any int, and a score must not wrap to its opposite.
    long long sum = (long long)getInstance()->score + points;
    getInstance()->score = sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : (int)sum;
}
void Game::setScore(int value) { getInstance()->score = value; }
int Game::getScore() { return getInstance()->score; }

std::string Game::encode(const std::string& text) { return sha256.calcSha256(text); }

// --- Screen switching ---

void Game::deleteUnlessShown(State* screen) {
    if (screen != current && screen != previous)
        delete screen;
}

// A record that names no screen, or the screen already shown, asks for nothing.
bool Game::isUsable(StateTransition* t) { return t->next && t->next != current && t->next != previous; }

void Game::startTransition(StateTransition* t) {
    lastTransitionType = (int)t->type;
    transitionCount++;
    previous = current;
    current = t->next;
    if (t->type == StateTransition::TRANSITION_NONE) {
        current->active = true;
        delete previous;
        previous = nullptr;
    } else {
        inTransition = true;
        transitionIsDirected = false;
        transitionAxis[0] = transitionAxis[1] = 0.0f;
        switch ((int)t->type) {
        case StateTransition::TRANSITION_TURN_ABOUT_PLUS_Y:
            transitionAxis[1] = 1.0f;
            transitionIsDirected = true;
            break;
        case StateTransition::TRANSITION_TURN_ABOUT_MINUS_Y:
            transitionAxis[1] = -1.0f;
            transitionIsDirected = true;
            break;
        case StateTransition::TRANSITION_TURN_ABOUT_PLUS_X:
            transitionAxis[0] = 1.0f;
            transitionIsDirected = true;
            break;
        case StateTransition::TRANSITION_TURN_ABOUT_MINUS_X:
            transitionAxis[0] = -1.0f;
            transitionIsDirected = true;
            break;
        }
        transitionAngle = 0.0f;
        transitionSpeed = 0.7f;
    }
    delete t;
}

void Game::updateState() {
    for (int i = 0; i < 2; i++) {
        touchX[i] = pendingTouchX[i];
        touchY[i] = pendingTouchY[i];
        joystickAngle[i] = pendingJoystickAngle[i];
        joystickNorm[i] = pendingJoystickNorm[i];
    }
    updateCount++;
    State::keyJustGotPressedBitArray = KeyPress::getKeyJustGotPressedBitArray();
    State::keyIsPressedBitArray = KeyPress::getKeyIsPressedBitArray();

    if (!inTransition) {
        if (State::keyJustGotPressedBitArray & KeyPress::BIT_KEY_BACK)
            current->backButtonIsPressed();
        StateTransition* t = current->updateState();
        if (!t)
            return;
        if (!isUsable(t)) {
            delete t;
            return;
        }
        startTransition(t);
        return;
    }

    // During a turn both screens run and what either asks for is dropped: a
    // touch there may land on a button of the new screen that is not in view
    // yet. A screen whose answer must not be lost (a game that ended) keeps
    // it until it is active.
    for (State* screen : {previous, current}) {
        if (StateTransition* t = screen->updateState()) {
            deleteUnlessShown(t->next);
            delete t;
        }
    }
    transitionAngle += transitionSpeed;
    transitionSpeed += 0.2f;
    if (transitionAngle >= transitionEndAngle || transitionAngle <= -transitionEndAngle) {
        delete previous;
        previous = nullptr;
        inTransition = false;
        current->active = true;
    }
}

void Game::setCurrentState(State* screen) {
    if (!screen || screen == current)
        return;
    delete current;
    current = screen;
}

// --- Drawing ---

void Game::draw(unsigned int) { draw(); }

void Game::draw() {
    glPushMatrix();
    glTranslatef((float)Device::screenHeight, 0.0f, 0.0f);
    glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    frame++;
    glClear(GL_COLOR_BUFFER_BIT);
    drawGridModel();
    drawState();
    glPopMatrix();
}

void Game::drawGridModel() {
    if (!gridModel || !enableBackgroundGrid || !drawGrid)
        return;
    drawGrid(gridModel);
}

void Game::drawState() {
    if (!inTransition) {
        current->draw();
        return;
    }
    if (!transitionIsDirected) {
        current->draw();
        previous->draw();
        return;
    }
    const float k = 0.8660254f;
    float pivot[3];
    if (transitionAxis[0] != 0.0f) {
        int size = Device::screenHeight;
        pivot[0] = 0.0f;
        pivot[1] = (float)(size / 2);
        pivot[2] = -size * k;
    } else {
        int size = Device::screenWidth;
        pivot[0] = (float)(size / 2);
        pivot[1] = 0.0f;
        pivot[2] = -size * k;
    }
    State* screens[2] = {previous, current};
    float angles[2] = {transitionAngle, transitionAngle - transitionEndAngle};
    for (int i = 0; i < 2; i++) {
        glPushMatrix();
        glTranslatef(pivot[0], pivot[1], pivot[2]);
        glRotatef(angles[i], transitionAxis[0], transitionAxis[1], 0.0f);
        glTranslatef(-pivot[0], -pivot[1], -pivot[2]);
        screens[i]->draw();
        glPopMatrix();
    }
}
