-- Bomb's maze, generated: the walls between the four bomb rooms as corner
-- lists {x1, y1, ..., x4, y4}, and the bombs' places.
bombWalls = {
    { 760, 40, 840, 40, 840, 460, 760, 460 },
    { 760, 740, 840, 740, 840, 1160, 760, 1160 },
    { 40, 560, 460, 560, 460, 640, 40, 640 },
    { 1140, 560, 1560, 560, 1560, 640, 1140, 640 },
}
bombPlaces = { { 300, 300 }, { 1300, 300 }, { 300, 900 }, { 1300, 900 } }
