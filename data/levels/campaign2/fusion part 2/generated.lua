-- Generated: the pillars of The Fusion, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 1544, 1721, 83 },
    { 898, 1805, 102 },
    { 824, 742, 85 },
    { 618, 1418, 89 },
    { 642, 326, 105 },
    { 1570, 519, 126 },
}
