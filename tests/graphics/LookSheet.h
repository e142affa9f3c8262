// Helpers of the actor galleries rendered headless into build/graphics-look/:
// labels, cell frames, sheets of every frame of a graphic script, actors
// drawn through their own draw, and saving the picture.
#pragma once

#include <sys/stat.h>

#include <string>

#include "core/Entity.h"
#include "graphics/DrawString.h"
#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"

namespace looksheet {

inline std::string lookFile(const std::string& name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/" + name;
}

inline void label(float x, float y, const std::string& text, float scale = 0.45f) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    DrawString::getInstance()->draw(text, scale);
    glPopMatrix();
}

// A thin grey frame around a cell, so that sizes can be judged.
inline void cellBox(float x, float y, float w, float h) {
    float v[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glColor4f(0.18f, 0.18f, 0.18f, 1.0f);
    glVertexPointer(2, GL_FLOAT, 0, v);
    glDrawArrays(GL_LINE_LOOP, 0, 4);
}

// Frames first to last, left to right then top to bottom, each centred in
// its cell, scaled, in its own colours (white ones show white either way),
// labelled below with its frame number.
inline void frameSheet(const char* script, int firstFrame, int frames, int columns, float cell, float scale, float top,
                       float left = 8.0f, float tiltX = 0.0f) {
    VectorModel* model = VectorModel::loadFromLuaScript(script);
    for (int i = 0; i < frames; i++) {
        int f = firstFrame + i;
        float x = left + (i % columns) * cell, y = top - (i / columns + 1) * cell;
        cellBox(x + 1, y + 12, cell - 2, cell - 13);
        glPushMatrix();
        glTranslatef(x + cell / 2, y + 12 + (cell - 12) / 2, 0.0f);
        glScalef(scale, scale, scale);
        if (tiltX != 0.0f)
            glRotatef(tiltX, 1.0f, 0.0f, 0.0f);
        model->draw(f);
        glPopMatrix();
        label(x + 3, y + 10, std::to_string(f), 0.3f);
    }
}

// Draws an entity centred at (x, y) of the picture, scaled.
inline void drawAt(Entity* e, float x, float y, float scale, Coord centre) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(scale, scale, 1.0f);
    glTranslatef(-centre.x, -centre.y, 0.0f);
    e->draw();
    glPopMatrix();
}

inline void save(const char* name) {
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_TRUE(graphicstest::writePng(p, lookFile(name)));
    EXPECT_GT(p.litCount(), 2000) << name;
}

}  // namespace looksheet
