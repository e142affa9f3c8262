// Score list: revealing rows, replay buttons where the rows are drawn,
// dragging, and the folding draw.
#include "screens/ScrollingScores.h"

#include <GLES/gl.h>

#include <algorithm>
#include <cstdlib>

#include "core/Device.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"
#include "levelplay/Replay.h"
#include "savedata/Scores.h"
#include "widgets/Button.h"
#include "widgets/ScoreEntry.h"

ScrollingScores::ScrollingScores(ScoresForALevel* levelScores, bool isWeb) : scores(levelScores), web(isWeb) {
    replayIcon = VectorModel::loadFromLuaScript("/data/graphics/buttons/buttonReplay.lua");
    // At least one unit, so that a tiny screen never divides by zero.
    rowHeight = std::max(1, (int)(0.1 * Device::screenWidth));
}

ScrollingScores::~ScrollingScores() {
    for (Button* b : replayButtons)
        delete b;
    for (ScoreEntry* row : rows)
        delete row;
}

void ScrollingScores::getRowsInView(int* first, int* end) const {
    int o = (int)offset, h = rowHeight;
    *first = std::max(0, o / h);
    *end = (o + h / 2) / h + 5;
}

void ScrollingScores::getRowsDrawn(int* first, int* last) const {
    getRowsInView(first, last);
    *last = std::min(*last, rowCount - 1);
    *last = std::min(*last, (int)rows.size() - 1);
}

int ScrollingScores::update() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Game* game = Game::getInstance();
    if (!allRowsMade) {
        if (!scores || rand() % 5 != 0)
            return 0;
        int i = nextRow;
        int count = (int)scores->scores.size();
        Button* button = nullptr;
        if (i < count) {
            Score* score = scores->scores[i];
            rows.push_back(new ScoreEntry(score->name, score->score, i + 1));
            if (score->replay != -1) {
                if (i < 5 || web) {
                    button = new Button("", Coord((float)(-(rowHeight / 2)), 0.92f * H, 0), Button::DECORATION_NONE);
                    button->setVectorModel(replayIcon, 0);
                    button->setWidthAndHeight(Coord(0.06f * H, 0.09f * H, 0));
                } else {
                    // Only the five best own scores keep their replays.
                    Replay::tryTodeleteFile(score->replay, false);
                    score->replay = -1;
                }
            }
        } else {
            rows.push_back(new ScoreEntry(i + 1));
        }
        replayButtons.push_back(button);
        nextRow = i + 1;
        rowCount = nextRow;
        if (nextRow > count && nextRow > 10)
            allRowsMade = true;
    }

    int result = 0;
    int o = (int)offset, h = rowHeight, r = o % h, first, end;
    getRowsInView(&first, &end);
    for (size_t k = 0; k < replayButtons.size(); k++) {
        Button* b = replayButtons[k];
        if (!b)
            continue;
        b->resetCollisionRect();
        // The touch area goes where the draw puts the row; rows out of view
        // keep theirs off the screen.
        if (first <= (int)k && (int)k < end)
            b->addOffsetToCollisionRect(Coord(0.5f * W + r - ((int)k - first) * h, 0, 0));
        if (b->update() && touchFrames <= 2)
            result = 6 + (int)k;
    }

    if (touchFrames < 3) {
        if (game->rectIsTouched(Coord(0, 0, 0), Coord(0.51f * W, 0.87f * H, 0), &touchSlot)) {
            touchFrames++;
            lastTouch = game->getTouchCoord(touchSlot);
        }
        offset += speed;
        speed *= 0.9f;
    } else if (!game->touchIsActive(touchSlot)) {
        touchFrames = 0;
    } else {
        Coord p = game->getTouchCoord(touchSlot);
        float d = (float)(int)(p.x - lastTouch.x);
        lastTouch = p;
        speed = d;
        offset += d;
    }

    if (offset < 0)
        offset = 0;
    if (h * (rowCount - 4) < offset)
        offset = (float)(h * (rowCount - 4));
    return result;
}

void ScrollingScores::draw() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    int o = (int)offset, h = rowHeight;
    int r = o % h, m = (o + h / 2) % h;
    int first, last;
    getRowsDrawn(&first, &last);
    for (int k = first; k < last; k++) {
        int j = k - first;
        glPushMatrix();
        glTranslatef(0.5f * W + r - j * h, 0.0f, 0.0f);
        float alpha = 1.0f;
        if (k == first) {
            // The top row folds away as it scrolls out.
            glTranslatef((float)-h, 0.0f, 0.0f);
            glRotatef((float)r / h * 90.0f, 0.0f, 1.0f, 0.0f);
            glTranslatef((float)h, 0.0f, 0.0f);
            alpha = 1.0f - (float)r / h;
        } else if (k == last - 1 && offset < h * (rowCount - 6) + h / 2) {
            // The bottom row unfolds as it scrolls in.
            alpha = (float)m / h;
            glRotatef((1.0f - alpha) * -90.0f, 0.0f, 1.0f, 0.0f);
        }
        if (replayButtons[k])
            replayButtons[k]->drawWithAlpha(alpha);
        else
            glColor4f(1.0f, 1.0f, 1.0f, alpha);
        rows[k]->drawWithAlpha(0.0f, 0.6f * H, 0.0014f * H, alpha);
        glPopMatrix();
    }
}
