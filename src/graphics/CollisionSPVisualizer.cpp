// Wall-grid view: a square outline per occupied cell.
#include "graphics/CollisionSPVisualizer.h"

#include <GLES/gl.h>

#include "core/SpacePartition.h"

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
    static const float square[16] = {0, 0, 20, 0, 20, 0, 20, 20, 20, 20, 0, 20, 0, 20, 0, 0};
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, square);
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < columns; c++) {
            int n = counts[(size_t)r * columns + c];
            if (n <= 0)
                continue;
            float level = 0.2f * n;
            glPushMatrix();
            glTranslatef(20.0f * c, 20.0f * r, 0.0f);
            glColor4f(level, level, 0.2f + level, 1.0f);
            glDrawArrays(GL_LINES, 0, 8);
            glPopMatrix();
        }
}
