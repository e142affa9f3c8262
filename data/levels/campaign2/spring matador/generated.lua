-- Generated: the posts of Silly Enemies, {x, y, radius}: eight-sided
-- obstacles placed at random, clear of the start and of each other.
ROCKS = {
    { 880, 1676, 130 },
    { 1701, 1053, 137 },
    { 1069, 310, 88 },
    { 1742, 1559, 128 },
    { 649, 1012, 117 },
    { 416, 1476, 96 },
}
