// Score rows: the three labels and their places.
#include "widgets/ScoreEntry.h"

#include <GLES/gl.h>

#include <cstdio>

#include "graphics/DrawString.h"

static std::string formatInt(const char* format, int value) {
    char text[32];
    snprintf(text, sizeof text, format, value);
    return text;
}

ScoreEntry::ScoreEntry(std::string name, int score, int rank)
    : nameLabel(name, Coord()), scoreLabel(formatInt("%i", score), Coord()),
      rankLabel(formatInt("%i.", rank), Coord()) {}

ScoreEntry::ScoreEntry(int rank)
    : nameLabel(" -", Coord()), scoreLabel("-", Coord()), rankLabel(formatInt("%i.", rank), Coord()) {}

void ScoreEntry::drawWithAlpha(float x, float y, float zoom, float alpha) {
    float X = x / zoom - 20, Y = y / zoom;
    glPushMatrix();
    glScalef(zoom, zoom, 1.0f);
    nameLabel.setCoord(Coord(X, Y - 10, 0));
    int w = DrawString::getInstance()->getStringWidth(scoreLabel.getString());
    scoreLabel.setCoord(Coord(X, Y + 10 + w, 0));
    rankLabel.setCoord(Coord(X, Y + 180, 0));
    scoreLabel.drawWithoutColor();
    rankLabel.drawWithAlpha(alpha);
    nameLabel.drawWithAlpha(alpha);
    glPopMatrix();
}
