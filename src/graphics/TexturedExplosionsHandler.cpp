// Textured flashes: add, age, fade, and one batched draw.
#include "graphics/TexturedExplosionsHandler.h"

#include <GLES/gl.h>

#include <cstring>

#include "core/Entity.h"
#include "graphics/SoundManager.h"
#include "graphics/Texture.h"

// Every reset of the entity world empties the explosions and hands the world
// this handler and the sound manager, connected as soon as the handler is part
// of the program.
static void resetWorldExplosionsAndSound() {
    Entity::explosions = TexturedExplosionsHandler::getInstance();
    Entity::explosions->reset();
    Entity::soundManager = SoundManager::getInstance();
}
[[maybe_unused]] static const bool worldResetConnected =
    (Entity::resetExplosionsAndSound = resetWorldExplosionsAndSound, true);

TexturedExplosionsHandler* TexturedExplosionsHandler::getInstance() {
    static TexturedExplosionsHandler* instance = new TexturedExplosionsHandler();
    return instance;
}

TexturedExplosionsHandler::TexturedExplosionsHandler() {
    static const float quad[12] = {0, 0, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1};
    for (int i = 0; i < CAPACITY; i++)
        std::memcpy(&texCoords[12 * i], quad, sizeof(quad));
    std::memset(colours, 0, sizeof(colours));
    explosions.reserve(CAPACITY);
}

void TexturedExplosionsHandler::addExplosion(Coord position, unsigned char r, unsigned char g, unsigned char b,
                                             float scale) {
    if ((int)explosions.size() >= CAPACITY)
        return;
    unsigned char* c = &colours[24 * explosions.size()];
    for (int v = 0; v < 6; v++) {
        c[4 * v] = r;
        c[4 * v + 1] = g;
        c[4 * v + 2] = b;
        c[4 * v + 3] = 255;
    }
    explosions.emplace_back(position, scale);
}

// 255 times the component, truncated, within 0..255.
static unsigned char toByte(float component) {
    double v = 255.0 * component;
    if (!(v > 0.0))
        return 0;
    if (v >= 255.0)
        return 255;
    return (unsigned char)v;
}

void TexturedExplosionsHandler::addExplosion(Coord position, Color colour, float scale) {
    if (!enabled)
        return;
    addExplosion(position, toByte(colour.r), toByte(colour.g), toByte(colour.b), scale);
}

void TexturedExplosionsHandler::addExplosion(Coord position, int colourIndex, float scale) {
    if (!enabled)
        return;
    static const float table[8][3] = {{1.0f, 0.3f, 0.3f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.6f, 1.0f}, {1.0f, 1.0f, 0.0f},
                                      {1.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 1.0f}};
    Color c;
    if (colourIndex >= 0 && colourIndex < 8)
        c = Color(table[colourIndex][0], table[colourIndex][1], table[colourIndex][2], 1.0f);
    addExplosion(position, c, scale);
}

void TexturedExplosionsHandler::update() {
    size_t i = 0;
    while (i < explosions.size()) {
        TexturedExplosion& e = explosions[i];
        e.life -= 1;
        e.size += e.growth;
        unsigned char* c = &colours[24 * i];
        if (e.life <= 9) {
            unsigned char a = c[3] < 26 ? 0 : (unsigned char)(c[3] - 26);
            for (int v = 0; v < 6; v++)
                c[4 * v + 3] = a;
        }
        if (e.life < 0) {
            // The last flash takes this slot with its colours; it is next
            // updated in the following step.
            size_t last = explosions.size() - 1;
            if (i != last) {
                explosions[i] = explosions[last];
                std::memcpy(c, &colours[24 * last], 24);
            }
            explosions.pop_back();
        }
        i++;
    }
}

void TexturedExplosionsHandler::draw() {
    if (!enabled || explosions.empty())
        return;
    if (!texture)
        texture = TextureHandler::loadTexture("explode_small.png");
    int n = (int)explosions.size();
    vertices.resize(12 * n);
    for (int i = 0; i < n; i++) {
        const TexturedExplosion& e = explosions[i];
        float side = 64 * e.size;
        float x0 = e.position.x - side / 2, y0 = e.position.y - side / 2;
        float* v = &vertices[12 * i];
        float q[12] = {x0, y0, x0 + side, y0, x0 + side, y0 + side, x0, y0, x0, y0 + side, x0 + side, y0 + side};
        std::memcpy(v, q, sizeof(q));
    }
    texture->activate();
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, colours);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glBindTexture(GL_TEXTURE_2D, texture->getTextureName());
    glDrawArrays(GL_TRIANGLES, 0, 6 * n);
    glDisableClientState(GL_COLOR_ARRAY);
    texture->deactivate();
}

void TexturedExplosionsHandler::reset() {
    std::vector<TexturedExplosion>().swap(explosions);
    explosions.reserve(CAPACITY);
}
