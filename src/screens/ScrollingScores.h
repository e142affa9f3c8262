// The high-score list of the level menu: rows revealed one by one, dragged
// along x with momentum, folding at the edges, a replay button on each row
// whose score has a replay. update answers 6 + row for a replay press, else 0.
// Own replays beyond the five best are deleted as their rows are revealed.
#pragma once

#include <vector>

#include "core/Coord.h"

class Button;
class ScoreEntry;
class ScoresForALevel;
class VectorModel;

class ScrollingScores {
public:
    // scores may be null (an empty list); web: the downloaded world scores.
    ScrollingScores(ScoresForALevel* scores, bool web);
    ~ScrollingScores();
    ScrollingScores(const ScrollingScores&) = delete;
    ScrollingScores& operator=(const ScrollingScores&) = delete;

    int update();
    void draw();
    bool scoresAreBeeingDragged() const { return touchFrames > 2; }

    float getOffset() const { return offset; }
    int getRowCount() const { return rowCount; }
    int getRowHeight() const { return rowHeight; }
    bool getAllRowsMade() const { return allRowsMade; }
    Button* getReplayButton(int row) { return replayButtons[row]; }
    ScoreEntry* getRow(int row) { return rows[row]; }
    // Rows first to end - 1 are in view at the current offset.
    void getRowsInView(int* first, int* end) const;
    // Rows first to last - 1 are drawn: the rows in view but the last made.
    void getRowsDrawn(int* first, int* last) const;

private:
    int rowCount = 0;
    float offset = 0.0f;
    float speed = 0.0f;
    std::vector<ScoreEntry*> rows;
    std::vector<Button*> replayButtons;
    int touchFrames = 0;
    int touchSlot = 0;
    Coord lastTouch;
    ScoresForALevel* scores;
    bool allRowsMade = false;
    int nextRow = 0;
    VectorModel* replayIcon;
    int rowHeight;
    bool web;
};
