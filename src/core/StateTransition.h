// The record a screen returns to ask Game for a switch to another screen.
#pragma once

class State;

class StateTransition {
public:
    // How the switch shows. A turn rotates the old screen away by 60 degrees
    // and the new one in, about an axis of the game frame, counter-clockwise
    // seen from the axis' tip: the name says which axis and which sign. Any
    // other number shows both screens unturned for the length of a turn.
    enum TRANSITION_TYPE : int {
        TRANSITION_NONE = 0,  // at once
        TRANSITION_TURN_ABOUT_PLUS_Y = 1,
        TRANSITION_TURN_ABOUT_MINUS_Y = 2,
        TRANSITION_TURN_ABOUT_PLUS_X = 3,
        TRANSITION_TURN_ABOUT_MINUS_X = 4,
        // The numeric names, kept for code written against them.
        TRANSITION_1 = TRANSITION_TURN_ABOUT_PLUS_Y,
        TRANSITION_2 = TRANSITION_TURN_ABOUT_MINUS_Y,
        TRANSITION_3 = TRANSITION_TURN_ABOUT_PLUS_X,
        TRANSITION_4 = TRANSITION_TURN_ABOUT_MINUS_X,
    };

    StateTransition(State* next_, int type_) : next(next_), type((TRANSITION_TYPE)type_) {}

    State* next;
    TRANSITION_TYPE type;
};
