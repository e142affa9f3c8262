// One widget of a focus graph and its four neighbours (null: none).
#pragma once

class CanBeExternallyPressed;

class NavigationNode {
public:
    NavigationNode(CanBeExternallyPressed* widget, NavigationNode* up, NavigationNode* down, NavigationNode* left,
                   NavigationNode* right)
        : widget(widget), up(up), down(down), left(left), right(right) {}

    void set(NavigationNode* newUp, NavigationNode* newDown, NavigationNode* newLeft, NavigationNode* newRight) {
        up = newUp;
        down = newDown;
        left = newLeft;
        right = newRight;
    }

    CanBeExternallyPressed* widget;
    NavigationNode* up;
    NavigationNode* down;
    NavigationNode* left;
    NavigationNode* right;
};
