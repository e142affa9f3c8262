-- Background of Uninvited: the maze's walls and a faint grid of its rooms.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/uninvited/uninvited"

graphic = new2DGraphic(1)
local f = graphic[1]
local grid = getColor(40, 30, 60)
for c = 0, MAZE_COLUMNS do
    local x = MAZE_ORIGIN + MAZE_CELL * c
    add2DLine(f, x, MAZE_ORIGIN, x, MAZE_ORIGIN + MAZE_CELL * MAZE_ROWS, grid)
end
for r = 0, MAZE_ROWS do
    local y = MAZE_ORIGIN + MAZE_CELL * r
    add2DLine(f, MAZE_ORIGIN, y, MAZE_ORIGIN + MAZE_CELL * MAZE_COLUMNS, y, grid)
end
for _, w in ipairs(MAZE_WALLS) do
    addRectangle(f, w[1], w[2], w[3], w[4], getColor(200, 100, 255))
end
addRectangle(f, 100, 100, 2000, 2800, getColor(200, 100, 255))
