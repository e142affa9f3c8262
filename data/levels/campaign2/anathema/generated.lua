-- Generated: the ruins of Anathema, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 2237, 2284, 116 },
    { 2013, 1234, 106 },
    { 350, 2004, 127 },
    { 1277, 1214, 103 },
    { 893, 1582, 112 },
}
