// One column of the campaign chooser: how many levels it holds and which.
#pragma once

#include <vector>

struct ColumnInformation {
    int count = 0;
    // Buttons of the column already placed (used while laying out).
    int placed = 0;
    // Catalogue indices of the column's levels, in catalogue order.
    std::vector<int> indices;
};
