// A text placed in the widget frame, baked once and drawn turned by -90
// degrees about z, so that it reads along -y (+x is up for the user).
#pragma once

#include <string>

#include "core/Coord.h"
#include "graphics/OptimizedStringModel.h"

class DrawableString {
public:
    DrawableString() : DrawableString("", Coord()) {}
    DrawableString(std::string text, Coord position);
    DrawableString(const DrawableString&) = delete;
    DrawableString& operator=(const DrawableString&) = delete;

    void setString(std::string text);
    std::string getString() const { return text; }
    void setCoord(Coord c) { position = c; }
    Coord getCoord() const { return position; }
    void setZoom(float z) { zoom = z; }
    float getZoom() const { return zoom; }
    float getWidth() const;
    float getHeight() const;
    // Puts the text at x, centred along the screen's y extent.
    void centerY(float x);

    void draw();
    void drawWithAlpha(float alpha);
    void drawWithoutColor();

private:
    void pushFrame();

    Coord position;
    float zoom = 1.0f;
    std::string text;
    OptimizedStringModel model;
};
