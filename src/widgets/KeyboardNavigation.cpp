// Focus graph: moves along the links, presses the focused widget.
#include "widgets/KeyboardNavigation.h"

#include "core/Device.h"
#include "core/KeyPress.h"
#include "widgets/CanBeExternallyPressed.h"
#include "widgets/NavigationGrid.h"
#include "widgets/NavigationNode.h"

KeyboardNavigation::~KeyboardNavigation() {
    for (NavigationNode* node : nodes)
        delete node;
}

NavigationNode* KeyboardNavigation::addNode(CanBeExternallyPressed* widget) {
    NavigationNode* node = new NavigationNode(widget, nullptr, nullptr, nullptr, nullptr);
    nodes.push_back(node);
    if (!current)
        current = node;
    return node;
}

void KeyboardNavigation::update(int keys) {
    if (!Device::hasKeyboard || !current)
        return;
    current->widget->setIsHighlighted(true);
    // Each move starts from the node the previous one reached.
    struct Move {
        int bit;
        NavigationNode* NavigationNode::*link;
    };
    const Move moves[] = {{KeyPress::BIT_KEY_UP, &NavigationNode::up},
                          {KeyPress::BIT_KEY_DOWN, &NavigationNode::down},
                          {KeyPress::BIT_KEY_LEFT, &NavigationNode::left},
                          {KeyPress::BIT_KEY_RIGHT, &NavigationNode::right}};
    for (const Move& move : moves) {
        NavigationNode* next = current->*move.link;
        if (!(keys & move.bit) || !next)
            continue;
        current->widget->setIsHighlighted(false);
        current = next;
        current->widget->setIsHighlighted(true);
    }
    if (keys & (KeyPress::BIT_KEY_PRESS | KeyPress::BIT_KEY_SHOOT_DOWN))
        current->widget->externalyPressed();
}

NavigationNode* KeyboardNavigation::getNode(NavigationGrid* grid, int x, int y) {
    if (x < 0 || y < 0 || x >= grid->getWidth() || y >= grid->getHeight())
        return nullptr;
    return grid->get(x, y);
}

void KeyboardNavigation::automaticallySetLinks(NavigationGrid* grid, bool) {
    for (int y = 0; y < grid->getHeight(); y++)
        for (int x = 0; x < grid->getWidth(); x++)
            if (NavigationNode* node = grid->get(x, y))
                node->set(getNode(grid, x, y - 1), getNode(grid, x, y + 1), getNode(grid, x - 1, y),
                          getNode(grid, x + 1, y));
}
