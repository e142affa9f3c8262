// One row of a score list: rank, score and the player's name.
#pragma once

#include <string>

#include "widgets/DrawableString.h"

class ScoreEntry {
public:
    ScoreEntry(std::string name, int score, int rank);
    // An empty row: rank, " -" and "-".
    explicit ScoreEntry(int rank);
    ScoreEntry(const ScoreEntry&) = delete;
    ScoreEntry& operator=(const ScoreEntry&) = delete;

    // The row about (x, y) at the zoom; the score ends just before the
    // centre line, in the current colour.
    void drawWithAlpha(float x, float y, float zoom, float alpha);

    DrawableString nameLabel;
    DrawableString scoreLabel;
    DrawableString rankLabel;
};
