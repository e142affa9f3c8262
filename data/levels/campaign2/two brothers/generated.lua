-- Generated: the stones of The Two Brothers, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 319, 1363, 96 },
    { 597, 763, 74 },
    { 1710, 1040, 88 },
    { 1057, 903, 129 },
}
