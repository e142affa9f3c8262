// An int that only grows: assigning a smaller value keeps the larger one.
#pragma once

#include <climits>

struct GrowVal {
    int value = INT_MIN;

    GrowVal& operator=(int v) {
        if (v > value)
            value = v;
        return *this;
    }
    operator int() const { return value; }
};
