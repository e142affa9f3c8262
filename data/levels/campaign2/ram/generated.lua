-- Generated: the rocks of Coming And Raming, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 1473, 1926, 127 },
    { 1254, 1369, 129 },
    { 733, 723, 145 },
    { 1972, 729, 148 },
    { 1196, 903, 82 },
    { 473, 1391, 88 },
    { 399, 351, 78 },
    { 407, 1939, 146 },
}
