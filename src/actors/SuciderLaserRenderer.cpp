// Sucider lasers: a slot per sucider, swap-with-last removal, one GL draw.
#include "actors/SuciderLaserRenderer.h"

#include <GLES/gl.h>

#include "actors/EnemyKit.h"
#include "actors/Sucider.h"
#include "core/Entity.h"

SuciderLaserRenderer::SuciderLaserRenderer() : vertices(400, 0.0f), colours(800, 0.0f) {}

void SuciderLaserRenderer::addSucider(Sucider* s) {
    s->laserIndex = (int)suciders.size();
    suciders.push_back(s);
    if (8 * suciders.size() > colours.size()) {
        vertices.resize(vertices.size() * 2, 0.0f);
        colours.resize(colours.size() * 2, 0.0f);
    }
    float* c = &colours[8 * s->laserIndex];
    for (int v = 0; v < 2; v++) {
        c[4 * v] = 0.0f;
        c[4 * v + 1] = 0.0f;
        c[4 * v + 2] = 0.0f;
        c[4 * v + 3] = 1.0f;
    }
}

void SuciderLaserRenderer::removeSucider(Sucider* s) {
    int i = s->laserIndex;
    if (i < 0 || i >= (int)suciders.size() || suciders[i] != s)
        return;
    Sucider* last = suciders.back();
    suciders[i] = last;
    last->laserIndex = i;
    suciders.pop_back();
    s->laserIndex = -1;
}

void SuciderLaserRenderer::reset() { std::vector<Sucider*>().swap(suciders); }

void SuciderLaserRenderer::draw() {
    int n = (int)suciders.size();
    if (n == 0)
        return;
    for (int i = 0; i < n; i++) {
        Sucider* s = suciders[i];
        Coord u;
        u.initFromAngle(EnemyKit::radians(s->angle));
        float len = s->type == Sucider::SMALL ? 19.0f : 47.0f;
        float sx = s->position.x - len * u.x, sy = s->position.y - len * u.y;
        float* v = &vertices[4 * i];
        v[0] = sx;
        v[1] = sy;
        v[2] = sx - 40.0f * len * u.x;
        v[3] = sy - 40.0f * len * u.y;
        float* c = &colours[8 * i];
        if (s->state == 1 && s->nextEventTime - Entity::time < 80) {
            c[0] = 0.0f;
            c[1] = (float)((Entity::time / 2) % 2);
        } else {
            c[0] = 1.0f;
            c[1] = 0.0f;
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices.data());
    glColorPointer(4, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_LINES, 0, 2 * n);
    glDisableClientState(GL_COLOR_ARRAY);
}
