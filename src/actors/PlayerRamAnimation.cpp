// The ram's spray.
#include "actors/PlayerRamAnimation.h"

#include <GLES/gl.h>

#include <cstdlib>

PlayerRamAnimation::PlayerRamAnimation() {
    positions = new float[PARTICLES * 2];
    velocities = new float[PARTICLES * 2];
    ages = new int[PARTICLES];
    for (int i = 0; i < PARTICLES; i++) {
        ages[i] = rand() % 30;
        velocities[2 * i] = 2.6f;
        velocities[2 * i + 1] = (float)((rand() % 100 / 100.0 - 0.5) * 2.7);
        positions[2 * i] = 0.0f;
        positions[2 * i + 1] = 0.0f;
    }
}

PlayerRamAnimation::~PlayerRamAnimation() {
    delete[] positions;
    delete[] velocities;
    delete[] ages;
}

void PlayerRamAnimation::update() {
    for (int i = 0; i < PARTICLES; i++) {
        positions[2 * i] += velocities[2 * i];
        positions[2 * i + 1] += velocities[2 * i + 1];
        ages[i]++;
        if (ages[i] >= MAX_AGE) {
            ages[i] = 0;
            positions[2 * i] = 0.0f;
            positions[2 * i + 1] = 0.0f;
        }
    }
}

void PlayerRamAnimation::draw() {
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, positions);
    glDrawArrays(GL_POINTS, 0, PARTICLES);
}
