-- Generated: the inner walls of Uninvited's maze, a 5 x 7 grid of 400-unit
-- rooms from (100, 100), carved by a depth-first walk with a few loops.
-- Each wall is {x, y, w, h}; the outer frame is not listed.
MAZE_ORIGIN, MAZE_CELL, MAZE_COLUMNS, MAZE_ROWS = 100, 400, 5, 7
MAZE_WALLS = {
    { 480, 480, 40, 440 },
    { 480, 2080, 40, 440 },
    { 880, 880, 40, 440 },
    { 1280, 480, 40, 440 },
    { 80, 480, 440, 40 },
    { 80, 2080, 440, 40 },
    { 480, 880, 440, 40 },
    { 480, 1680, 440, 40 },
    { 880, 480, 440, 40 },
    { 880, 1280, 440, 40 },
    { 880, 1680, 440, 40 },
    { 880, 2480, 440, 40 },
    { 1280, 480, 440, 40 },
    { 1280, 1280, 440, 40 },
    { 1280, 1680, 440, 40 },
    { 1280, 2080, 440, 40 },
    { 1280, 2480, 440, 40 },
    { 1680, 1680, 440, 40 },
}
