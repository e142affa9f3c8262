// The wall grid: shape list with swap-remove, filing, removal and look-up.
#include "core/WallsSpacePartitioner.h"

#include <algorithm>

#include "core/SpacePartition.h"

// Larger levels are refused rather than allocated; the grid then has no cells.
static const long MAX_CELLS = 16L * 1024 * 1024;

WallsSpacePartitioner::~WallsSpacePartitioner() {
    // Shapes made after the level ended then belong to no grid.
    if (CollisionShape::wsp == this)
        CollisionShape::wsp = nullptr;
    for (CollisionShape* s : shapes) {
        s->registeredIn = nullptr;
        s->index = -1;
    }
    for (Link* l : linkPool)
        delete l;
}

void WallsSpacePartitioner::init(int w, int h) {
    unInit();
    width = w;
    height = h;
    rows = h / CELL_SIZE + 1;
    columns = w / CELL_SIZE + 1;
    if (w < 0 || h < 0 || (long)rows * columns > MAX_CELLS)
        rows = columns = 0;
    cellCount = columns * rows;
    grid.assign(cellCount, nullptr);
    columnBound = cellCount ? (double)columns : -1.0;
    rowBound = cellCount ? (double)rows : -1.0;
    isInit = true;
}

void WallsSpacePartitioner::unInit() {
    isInit = false;
    std::vector<Link*>().swap(grid);
    rows = columns = cellCount = 0;
    columnBound = rowBound = -1.0;
}

Link* WallsSpacePartitioner::newLink() {
    if (nextFreeLink >= (int)linkPool.size())
        for (int i = 0; i < 4; i++)
            linkPool.push_back(new Link());
    return linkPool[nextFreeLink++];
}

void WallsSpacePartitioner::fill() {
    nextFreeLink = 0;
    std::fill(grid.begin(), grid.end(), nullptr);
    for (CollisionShape* s : shapes)
        fillWithASingleCollisionShape(s);
}

void WallsSpacePartitioner::addToCell(int column, int row, CollisionShape* shape) {
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return;
    Link* l = newLink();
    l->object = shape;
    l->next = grid[row * columns + column];
    grid[row * columns + column] = l;
}

void WallsSpacePartitioner::fillBoundingBox(CollisionShape* shape) {
    int rowMin = std::max(SpacePartition::truncate(shape->getLowestPoint()) / CELL_SIZE, 0);
    int rowMax = std::min(SpacePartition::truncate(shape->getHighestPoint()) / CELL_SIZE, rows - 1);
    int colMin = std::max(SpacePartition::truncate(shape->getLeftMostPoint()) / CELL_SIZE, 0);
    int colMax = std::min(SpacePartition::truncate(shape->getRightMostPoint()) / CELL_SIZE, columns - 1);
    for (int row = rowMin; row <= rowMax; row++)
        for (int col = colMin; col <= colMax; col++)
            addToCell(col, row, shape);
}

void WallsSpacePartitioner::fillWithASingleCollisionShape(CollisionShape* shape) {
    if (shape->knowsHowToFill())
        shape->fillSP(this);
    else
        fillBoundingBox(shape);
}

void WallsSpacePartitioner::addObject(CollisionShape* shape) {
    if (shape->registeredIn)
        return;
    if (isInit)
        fillWithASingleCollisionShape(shape);
    shape->index = (int)shapes.size();
    shape->registeredIn = this;
    shape->listedBox[0] = shape->getLeftMostPoint();
    shape->listedBox[1] = shape->getLowestPoint();
    shape->listedBox[2] = shape->getRightMostPoint();
    shape->listedBox[3] = shape->getHighestPoint();
    shapes.push_back(shape);
}

void WallsSpacePartitioner::removeObject(CollisionShape* shape) {
    int i = shape->index;
    if (shape->registeredIn != this || i < 0 || i >= (int)shapes.size() || shapes[i] != shape)
        return;
    if (isInit && !grid.empty()) {
        // The bounding box and the two-cell margin that self-filing shapes use.
        const float* box = shape->listedBox;
        int rowMin = std::max(SpacePartition::truncate(box[1]) / CELL_SIZE - 2, 0);
        int rowMax = std::min(SpacePartition::truncate(box[3]) / CELL_SIZE + 2, rows - 1);
        int colMin = std::max(SpacePartition::truncate(box[0]) / CELL_SIZE - 2, 0);
        int colMax = std::min(SpacePartition::truncate(box[2]) / CELL_SIZE + 2, columns - 1);
        for (int row = rowMin; row <= rowMax; row++)
            for (int col = colMin; col <= colMax; col++) {
                Link** p = &grid[row * columns + col];
                while (*p) {
                    if ((*p)->object == shape)
                        *p = (*p)->next;
                    else
                        p = &(*p)->next;
                }
            }
    }
    CollisionShape* last = shapes.back();
    last->index = i;
    shapes[i] = last;
    shapes.pop_back();
    shape->index = -1;
    shape->registeredIn = nullptr;
}

Link* WallsSpacePartitioner::getLink(int column, int row) {
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return nullptr;
    return grid[row * columns + column];
}

Link** WallsSpacePartitioner::getPtrToLink(int column, int row) {
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return nullptr;
    return &grid[row * columns + column];
}

void WallsSpacePartitioner::draw() {
    for (CollisionShape* s : shapes)
        s->draw();
}
