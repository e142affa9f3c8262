// The record a screen returns to ask Game for a switch to another screen.
#pragma once

class State;

class StateTransition {
public:
    enum TRANSITION_TYPE : int { TRANSITION_NONE = 0, TRANSITION_1 = 1, TRANSITION_2 = 2, TRANSITION_3 = 3, TRANSITION_4 = 4 };

    StateTransition(State* next_, int type_) : next(next_), type((TRANSITION_TYPE)type_) {}

    State* next;
    TRANSITION_TYPE type;
};
