-- Generated: the wrecks of The Rescue, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 901, 1221, 99 },
    { 826, 583, 93 },
    { 2040, 790, 73 },
    { 406, 1476, 147 },
    { 2091, 1823, 132 },
    { 1610, 805, 125 },
    { 1390, 2150, 114 },
    { 892, 2143, 140 },
    { 327, 2056, 119 },
}
