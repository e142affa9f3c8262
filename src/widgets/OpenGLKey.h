// One key of the on-screen keyboard: one to five hexagonal cells in a row
// along -y, armed while touch 0 lies on a cell, firing when touch 0 lifts.
#pragma once

#include <string>

#include "core/Coord.h"

class VectorFrame;

class OpenGLKey {
public:
    OpenGLKey(float x, float y, float scale, std::string label, bool isCharacter, int width);
    ~OpenGLKey();
    OpenGLKey(const OpenGLKey&) = delete;
    OpenGLKey& operator=(const OpenGLKey&) = delete;

    // True on the update in which touch 0 was lifted while the key was armed.
    bool update();
    void draw();

    bool getIsCharacter() const { return isCharacter; }
    const std::string& getLabel() const { return label; }
    bool getIsArmed() const { return armed; }
    Coord getCentre() const { return centre; }
    int getWidth() const { return width; }
    VectorFrame* getOutline() { return outline; }

private:
    bool isCharacter;
    std::string label;
    float x, y;
    int width;
    Coord centre;
    float scale;
    float labelOffsetY, labelOffsetX;
    float armingDistanceSquared;
    VectorFrame* outline = nullptr;
    bool armed = false;
};
