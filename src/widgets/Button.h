// The push button of every screen and panel: an outline with cut corners, a
// dark fill, a label (or a vector model), and a press when the finger lifts.
//
// Widget text is drawn turned by -90 degrees about z, so a label reads along
// -y and its height runs along x: a button's size is (text height + 10, text
// width + 20). A press is a touch that lay inside the button on one update
// and is gone from its slot on the next; sliding off cancels it.
#pragma once

#include <string>

#include "core/Color.h"
#include "core/Coord.h"
#include "graphics/OptimizedStringModel.h"
#include "widgets/CanBeExternallyPressed.h"

class Game;
class VectorModel;

class Button : public CanBeExternallyPressed {
public:
    // 0 plain rectangle; 1 two opposite corners cut; 2 one corner cut deep with
    // a small triangle in the cut, the opposite one shallow.
    enum Decoration { DECORATION_NONE = 0, DECORATION_CUT = 1, DECORATION_DEEP_CUT = 2 };

    Button(std::string label, Coord centre, Decoration decoration);
    Button(std::string label, Coord centre, int decoration) : Button(label, centre, (Decoration)decoration) {}
    ~Button() override {}
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    // True on the update of a press.
    virtual bool update();
    void draw() { drawWithAlpha(1.0f); }
    void drawWithAlpha(float alpha);
    // Takes the colour for the outline while no touch feedback shows.
    void drawWithColor(Color color);

    // Relabels and sizes the button to the text.
    void setString(std::string label);
    void setWidthAndHeight(Coord size);
    void setCoord(Coord centre);
    // Moves only the touch area (scrolling panels draw the button elsewhere).
    void addOffsetToCollisionRect(Coord offset);
    void resetCollisionRect();
    void setVectorModel(VectorModel* model, int frame);
    void setFrame(int frame) { this->frame = frame; }
    void setWidthZoom(float zoom) { widthZoom = zoom; }
    void setUseStringColor(bool use) { useStringColor = use; }

    Coord getCoord() const { return centre; }
    Coord getWidthAndHeight() const { return collisionSize; }
    std::string getString() const { return label; }
    Coord getCollisionPosition() const { return collisionPosition; }
    Color getOutlineColor() const { return outlineColour; }
    int getOutlineSegments() const { return outlineSegments; }
    // Outline point i (0 to 17) relative to the centre.
    Coord getOutlinePoint(int i) const { return Coord(outline[2 * i], outline[2 * i + 1], 0.0f); }

protected:
    Game* game = nullptr;
    VectorModel* model = nullptr;
    int frame = 0;
    std::string label;
    int textWidth = 0;
    int textHeight = 0;
    Coord centre;
    Color outlineColour;
    Color textColour;
    Decoration decoration;
    bool touched = false;
    int touchSlot = 0;
    int outlineSegments = 6;
    int fillVertices = 12;
    float brightness = 1.0f;
    float outline[36] = {};
    float widthZoom = 1.0f;
    float textZoom = 1.0f;
    Coord collisionPosition;
    Coord collisionSize;
    float fill[30] = {};
    OptimizedStringModel textModel{""};
    bool useStringColor = false;
    float pulse = 0.0f;
    float highlight = 0.0f;
};
