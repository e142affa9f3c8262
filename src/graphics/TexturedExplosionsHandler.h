// Textured flashes: tinted squares of the glow texture that grow and fade,
// kept outside the world list and drawn in one batch after the entities.
#pragma once

#include <vector>

#include "core/Color.h"
#include "core/Coord.h"

class Texture;

struct TexturedExplosion {
    TexturedExplosion(Coord position, float scale) { init(position, scale); }
    void init(Coord p, float scale) {
        position = p;
        growth = size = (float)((scale + scale) * 0.13333333333333333);
        life = 15;
    }

    Coord position;
    float growth;
    float size;
    int life;
};

class TexturedExplosionsHandler {
public:
    // Flashes beyond this many at once are dropped.
    static constexpr int CAPACITY = 100;

    static TexturedExplosionsHandler* getInstance();

    // The byte form adds whether or not the effect is enabled.
    void addExplosion(Coord position, unsigned char r, unsigned char g, unsigned char b, float scale);
    void addExplosion(Coord position, Color colour, float scale);
    void addExplosion(Coord position, int colourIndex, float scale);
    void update();
    void draw();
    void reset();

    int getCount() { return (int)explosions.size(); }
    const TexturedExplosion& get(int i) { return explosions[i]; }
    // The four colour bytes of one vertex of flash i.
    const unsigned char* getColourBytes(int i) { return &colours[24 * i]; }

    bool enabled = false;

private:
    TexturedExplosionsHandler();

    Texture* texture = nullptr;
    std::vector<TexturedExplosion> explosions;
    float texCoords[CAPACITY * 12];
    unsigned char colours[CAPACITY * 24];
    std::vector<float> vertices;
};
