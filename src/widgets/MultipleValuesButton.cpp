// Multiple-value button: entry stepping, relabelling in a fixed box.
#include "widgets/MultipleValuesButton.h"

MultipleValuesButton::MultipleValuesButton(Coord centre, Coord boxSize, Button::Decoration decoration)
    : button(new Button("", centre, decoration)), size(boxSize) {}

MultipleValuesButton::MultipleValuesButton(Color c, Coord centre, Coord boxSize, Button::Decoration decoration)
    : MultipleValuesButton(centre, boxSize, decoration) {
    hasColor = true;
    color = c;
}

MultipleValuesButton::~MultipleValuesButton() { delete button; }

void MultipleValuesButton::externalyPressed() { button->externalyPressed(); }

void MultipleValuesButton::setIsHighlighted(bool value) { button->setIsHighlighted(value); }

void MultipleValuesButton::relabel() {
    if (values.empty())
        return;
    button->setString(values[activeIndex].label);
    button->setWidthAndHeight(size);
}

void MultipleValuesButton::addValue(std::string label, int value) {
    values.push_back(Entry{label, value});
    relabel();
}

bool MultipleValuesButton::update() {
    if (!button->update())
        return false;
    if (!values.empty()) {
        activeIndex = activeIndex + 1 >= (int)values.size() ? 0 : activeIndex + 1;
        relabel();
    }
    return true;
}

void MultipleValuesButton::setActiveValue(int value) {
    for (size_t i = 0; i < values.size(); i++)
        if (values[i].value == value)
            activeIndex = (int)i;
    relabel();
}

int MultipleValuesButton::getActiveValue() const { return values.empty() ? 0 : values[activeIndex].value; }

void MultipleValuesButton::setCoordAndSize(Coord centre, Coord boxSize) {
    size = boxSize;
    button->setCoord(centre);
    button->setWidthAndHeight(boxSize);
}

void MultipleValuesButton::draw() {
    if (hasColor)
        button->drawWithColor(color);
    else
        button->draw();
}
