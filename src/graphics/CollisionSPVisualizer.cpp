// Wall-grid view: a square outline per occupied cell.
#include "graphics/CollisionSPVisualizer.h"

#include <GLES/gl.h>

#include "core/SpacePartition.h"
#include "core/WallsSpacePartitioner.h"

CollisionSPVisualizer::CollisionSPVisualizer() : Entity(false), columns(0), rows(0) {
    if (!spacePartition)
        return;
    WallsSpacePartitioner& walls = spacePartition->walls;
    columns = walls.getColumns();
    rows = walls.getRows();
    counts.assign((size_t)columns * rows, 0);
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < columns; c++)
            for (Link* l = walls.getLink(c, r); l; l = l->next)
                counts[(size_t)r * columns + c]++;
}

void CollisionSPVisualizer::draw() {
    const float s = WallsSpacePartitioner::CELL_SIZE;
    const float square[16] = {0, 0, s, 0, s, 0, s, s, s, s, 0, s, 0, s, 0, 0};
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, square);
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < columns; c++) {
            int n = counts[(size_t)r * columns + c];
            if (n <= 0)
                continue;
            float level = 0.2f * n;
            glPushMatrix();
            glTranslatef(s * c, s * r, 0.0f);
            glColor4f(level, level, 0.2f + level, 1.0f);
            glDrawArrays(GL_LINES, 0, 8);
            glPopMatrix();
        }
}
