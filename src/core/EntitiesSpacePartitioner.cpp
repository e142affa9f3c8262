// The entity grid: target list with swap-remove, and the per-step refill.
#include "core/EntitiesSpacePartitioner.h"

#include <algorithm>

#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"

// Larger levels are refused rather than allocated (a level is a few thousand
// units wide); the grid then stays empty and every query finds nothing.
static const long MAX_CELLS = 4L * 1024 * 1024;

EntitiesSpacePartitioner::~EntitiesSpacePartitioner() {
    // Targets still listed must not reach back into a destroyed grid.
    for (ReactsToWeaponOrPlayer* t : targets)
        t->setIndexInSP(ReactsToWeaponOrPlayer::NOT_LISTED);
}

void EntitiesSpacePartitioner::init(int w, int h) {
    unInit();
    width = w;
    height = h;
    rows = h / CELL_SIZE + 1;
    columns = w / CELL_SIZE + 1;
    if (w < 0 || h < 0 || (long)rows * columns > MAX_CELLS) {
        rows = columns = 0;
    }
    cellCount = columns * rows;
    grid.assign(cellCount, nullptr);
}

void EntitiesSpacePartitioner::unInit() {
    std::vector<Link*>().swap(grid);
    rows = columns = cellCount = 0;
}

void EntitiesSpacePartitioner::fill() {
    if (grid.empty())
        return;
    std::fill(grid.begin(), grid.end(), nullptr);
    int n = (int)targets.size();
    spans.resize(n);
    size_t links = 0;
    for (int i = 0; i < n; i++) {
        ReactsToWeaponOrPlayer* t = targets[i];
        float x = t->position.x, y = t->position.y, r = t->radiusF;
        // Arithmetic shift: cells of the truncated bounding square, rounding
        // toward minus infinity, then clipped to the grid.
        Span& s = spans[i];
        s.rowMin = std::max(SpacePartition::truncate(y - r) >> CELL_SHIFT, 0);
        s.rowMax = std::min(SpacePartition::truncate(y + r) >> CELL_SHIFT, rows - 1);
        s.colMin = std::max(SpacePartition::truncate(x - r) >> CELL_SHIFT, 0);
        s.colMax = std::min(SpacePartition::truncate(x + r) >> CELL_SHIFT, columns - 1);
        if (s.rowMax >= s.rowMin && s.colMax >= s.colMin)
            links += (size_t)(s.rowMax - s.rowMin + 1) * (size_t)(s.colMax - s.colMin + 1);
    }
    if (linkPool.size() < links)
        linkPool.resize(links);
    Link* next = linkPool.data();
    for (int i = 0; i < n; i++) {
        const Span& s = spans[i];
        void* object = targets[i];
        for (int row = s.rowMin; row <= s.rowMax; row++) {
            Link** cells = &grid[row * columns];
            for (int col = s.colMin; col <= s.colMax; col++) {
                next->object = object;
                next->next = cells[col];
                cells[col] = next;
                next++;
            }
        }
    }
}

unsigned int EntitiesSpacePartitioner::addObject(ReactsToWeaponOrPlayer* target) {
    targets.push_back(target);
    return (unsigned int)targets.size() - 1;
}

void EntitiesSpacePartitioner::removeObject(unsigned int index) {
    if (index >= targets.size())
        return;
    ReactsToWeaponOrPlayer* last = targets.back();
    last->setIndexInSP(index);
    targets[index] = last;
    targets.pop_back();
}

bool EntitiesSpacePartitioner::isListed(ReactsToWeaponOrPlayer* target) {
    unsigned int i = target->getIndexInSP();
    return i < targets.size() && targets[i] == target;
}

Link* EntitiesSpacePartitioner::getLink(Coord& c) {
    if (grid.empty())
        return nullptr;
    int col = SpacePartition::truncate(c.x) / CELL_SIZE;
    int row = SpacePartition::truncate(c.y) / CELL_SIZE;
    return getLink(col, row);
}

Link* EntitiesSpacePartitioner::getLink(int column, int row) {
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return nullptr;
    return grid[row * columns + column];
}
