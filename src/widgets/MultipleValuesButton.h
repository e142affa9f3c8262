// A button that steps through a list of (label, value) entries, one a press,
// always shown in the same fixed box.
#pragma once

#include <string>
#include <vector>

#include "core/Color.h"
#include "core/Coord.h"
#include "widgets/Button.h"
#include "widgets/CanBeExternallyPressed.h"

class MultipleValuesButton : public CanBeExternallyPressed {
public:
    MultipleValuesButton(Coord centre, Coord size, Button::Decoration decoration);
    MultipleValuesButton(Color color, Coord centre, Coord size, Button::Decoration decoration);
    MultipleValuesButton(Coord centre, Coord size, int decoration)
        : MultipleValuesButton(centre, size, (Button::Decoration)decoration) {}
    ~MultipleValuesButton() override;
    MultipleValuesButton(const MultipleValuesButton&) = delete;
    MultipleValuesButton& operator=(const MultipleValuesButton&) = delete;

    void externalyPressed() override;
    void setIsHighlighted(bool value) override;

    void addValue(std::string label, int value);
    // True on a press, after stepping to the next entry.
    bool update();
    // The last entry holding the value becomes active; no match keeps the entry.
    void setActiveValue(int value);
    // 0 while there are no entries.
    int getActiveValue() const;
    int getNumberOfValues() const { return (int)values.size(); }
    int getActiveIndex() const { return activeIndex; }
    Button* getButton() { return button; }
    void setCoordAndSize(Coord centre, Coord size);
    void draw();

private:
    struct Entry {
        std::string label;
        int value;
    };
    void relabel();

    Button* button;
    Coord size;
    int activeIndex = 0;
    std::vector<Entry> values;
    bool hasColor = false;
    Color color;
};
