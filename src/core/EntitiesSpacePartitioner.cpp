// The entity grid: target list with swap-remove, and the per-step refill.
#include "core/EntitiesSpacePartitioner.h"

#include <algorithm>
#include <cstddef>

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
    // The cells of the links filed last belonged to that grid.
    linksFiled = 0;
    rows = columns = cellCount = 0;
}

// The cell row or column of a coordinate before clipping: SpacePartition's
// truncation shifted by CELL_SHIFT, without its branches. NaN gives -1e9
// rather than INT_MIN / 2: both lie below every grid, whichever side of the
// square they bound, so the clipped span is the same.
static inline int cellLine(float v) {
    float clamped = std::min(1.0e9f, std::max(-1.0e9f, v));
    return (int)clamped >> EntitiesSpacePartitioner::CELL_SHIFT;
}

void EntitiesSpacePartitioner::clearFiled() {
    for (size_t k = 0; k < linksFiled; k++)
        *linkCells[k] = nullptr;
    linksFiled = 0;
}

// The cells of a target's truncated bounding square, rounding toward minus
// infinity, clipped to the grid; none (a height or width of 0 or less) when
// the square lies outside.
EntitiesSpacePartitioner::Span EntitiesSpacePartitioner::spanOf(const ReactsToWeaponOrPlayer* t) const {
    float x = t->position.x, y = t->position.y, r = t->radiusF;
    int rowMin = std::max(cellLine(y - r), 0), rowMax = std::min(cellLine(y + r), rows - 1);
    int colMin = std::max(cellLine(x - r), 0), colMax = std::min(cellLine(x + r), columns - 1);
    return {rowMin, colMin, rowMax - rowMin + 1, colMax - colMin + 1};
}

size_t EntitiesSpacePartitioner::linksNeeded() const {
    size_t links = 0;
    for (const ReactsToWeaponOrPlayer* t : targets) {
        Span s = spanOf(t);
        if (s.height > 0 && s.width > 0)
            links += (size_t)s.height * (size_t)s.width;
    }
    return links;
}

void EntitiesSpacePartitioner::fill() {
    if (grid.empty())
        return;
    // Only the cells the last fill wrote hold chains.
    clearFiled();
    Link** cells = grid.data();
    Link* link = linkPool.data();
    Link* linkEnd = link + linkPool.size();
    Link*** where = linkCells.data();
    size_t n = targets.size();
    for (size_t i = 0; i < n; i++) {
        ReactsToWeaponOrPlayer* t = targets[i];
        Span s = spanOf(t);
        int height = s.height, width = s.width;
        if (height <= 0 || width <= 0)
            continue;
        if ((size_t)height * (size_t)width > (size_t)(linkEnd - link)) {
            // More links than any fill before: the pool must not move while
            // the grid points into it, so empty the grid, size the pool for
            // every target and file them all again.
            linksFiled = (size_t)(link - linkPool.data());
            clearFiled();
            size_t links = linksNeeded();
            linkPool.resize(links);
            linkCells.resize(links);
            link = linkPool.data();
            linkEnd = link + links;
            where = linkCells.data();
            i = (size_t)-1;
            continue;
        }
        Link** line = cells + (ptrdiff_t)s.rowMin * columns + s.colMin;
        do {
            for (int col = 0; col < width; col++) {
                Link** cell = line + col;
                link->object = t;
                link->next = *cell;
                *cell = link;
                *where++ = cell;
                link++;
            }
            line += columns;
        } while (--height);
    }
    linksFiled = (size_t)(link - linkPool.data());
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
