// The settings screen's list: rows of multiple-value buttons with a counter
// beside each, dragged along x with momentum and soft ends. A tap presses the
// row under it; a touch that moved further than 0.1 W never does.
#pragma once

#include <utility>
#include <vector>

#include "core/Coord.h"
#include "widgets/Settings.h"

class DrawableString;
class MultipleValuesButton;

class SettingsMenu {
public:
    SettingsMenu();
    ~SettingsMenu();
    SettingsMenu(const SettingsMenu&) = delete;
    SettingsMenu& operator=(const SettingsMenu&) = delete;

    // Takes the button and appends its row.
    void addButton(MultipleValuesButton* button, Settings::TYPES type);
    // Writes 0 to *type, or the pressed row's code and its new value.
    void update(Settings::TYPES* type, int* value);
    void setDrawableStringForButton(int row);
    void draw();

    float getOffset() const { return offset; }
    bool getIsDragging() const { return isDragging; }
    int getNumberOfRows() const { return (int)rows.size(); }
    MultipleValuesButton* getRowButton(int row) { return rows[row].first; }
    DrawableString* getCounter(int row) { return counters[row]; }

private:
    std::vector<std::pair<MultipleValuesButton*, Settings::TYPES>> rows;
    std::vector<DrawableString*> counters;
    Coord rowSize, firstCentre, step;
    int touchId = 0;
    bool touchCaptured = false;
    Coord currentTouch, captureStart;
    bool isDragging = false;
    float offset = 0.0f;
    // The list opens with a slide that springs back.
    float speed = -200.0f;
    float lowerExtent = 0.0f;
    float upperExtent;
};
