// Keyboard focus over the widgets of a screen or panel: arrow keys move the
// highlight along the links, a press key presses the focused widget. It acts
// only on a device with a keyboard.
#pragma once

#include <vector>

class CanBeExternallyPressed;
class NavigationGrid;
class NavigationNode;

class KeyboardNavigation {
public:
    KeyboardNavigation() {}
    ~KeyboardNavigation();
    KeyboardNavigation(const KeyboardNavigation&) = delete;
    KeyboardNavigation& operator=(const KeyboardNavigation&) = delete;

    // A new node without links; the first one added holds the focus.
    NavigationNode* addNode(CanBeExternallyPressed* widget);
    void setCurrentNode(NavigationNode* node) { current = node; }
    NavigationNode* getCurrentNode() { return current; }
    // Key bits that went down this frame: 0x2 up, 0x4 down, 0x10 left,
    // 0x8 right, 0x20 or 0x100 press.
    void update(int keys);

    // The cell, or null outside the grid.
    static NavigationNode* getNode(NavigationGrid* grid, int x, int y);
    // Links every node of the grid to its four neighbouring cells.
    void automaticallySetLinks(NavigationGrid* grid, bool unused);
    // Kept for callers that ask; there is no search by direction.
    NavigationNode* getNodeInDirection(NavigationGrid*, int, int, int, int, bool) { return nullptr; }

private:
    std::vector<NavigationNode*> nodes;
    NavigationNode* current = nullptr;
};
