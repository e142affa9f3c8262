// Keys: the hexagon outline of the cells, the arming test and the label.
#include "widgets/OpenGLKey.h"

#include <GLES/gl.h>

#include <cmath>
#include <vector>

#include "core/Color.h"
#include "core/Game.h"
#include "graphics/DrawString.h"
#include "graphics/VectorFrame.h"

OpenGLKey::OpenGLKey(float x_, float y_, float s, std::string text, bool character, int cells)
    : isCharacter(character), label(text), x(x_), y(y_), width(cells), centre(x_, y_, 0.0f), scale(s) {
    DrawString* ds = DrawString::getInstance();
    labelOffsetY = (ds->getStringWidth(label) - 5) / 2.0f;
    if (width > 1)
        labelOffsetY -= 22.5f * (width - 1);
    labelOffsetX = (ds->getCharacterHeight() - 4) / 2.0f;
    armingDistanceSquared = (24 * s) * (24 * s) * 0.93f;

    // Neighbouring cells join: the side toward the next cell becomes two short
    // stubs that meet the next cell's corners, whose own side there is left out.
    std::vector<int> lines;
    float r = 24 * s;
    for (int k = 0; k < width; k++) {
        int cx[6], cy[6];
        for (int j = 0; j < 6; j++) {
            double a = j * 60.0 * M_PI / 180.0;
            cx[j] = (int)(r * cos(a));
            cy[j] = (int)(-45 * s * k + r * sin(a));
        }
        for (int j = 0; j < 6; j++) {
            int next = (j + 1) % 6;
            if (j == 4 && width > 1 && k < width - 1) {
                for (int corner = 4; corner <= 5; corner++) {
                    lines.insert(lines.end(), {cx[corner], cy[corner], cx[corner], (int)(cy[corner] - 4 * s)});
                }
                continue;
            }
            if (j == 1 && k > 0)
                continue;
            lines.insert(lines.end(), {cx[j], cy[j], cx[next], cy[next]});
        }
    }
    outline = new VectorFrame(&lines, Color(1.0f, 1.0f, 1.0f), false, 1);
}

OpenGLKey::~OpenGLKey() { delete outline; }

bool OpenGLKey::update() {
    Game* game = Game::getInstance();
    if (!game->touchIsActive(0)) {
        if (armed) {
            armed = false;
            return true;
        }
        return false;
    }
    armed = false;
    Coord p = game->getTouchCoord(0);
    for (int k = 0; k < width; k++) {
        if (p.getSquareDistanceFrom(centre) < armingDistanceSquared)
            armed = true;
        p.y += 45 * scale;
    }
    return false;
}

void OpenGLKey::draw() {
    if (armed)
        glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    else if (isCharacter)
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    else
        glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    outline->drawWithoutColor();
    glScalef(scale, scale, 1.0f);
    glTranslatef(labelOffsetX, labelOffsetY, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    DrawString::getInstance()->draw(label, 1.0f);
    glPopMatrix();
}
