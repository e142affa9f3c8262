// The spray of sparks in front of the ram. Decoration: it draws from the C
// library's rand(), never from the shared generator.
#pragma once

class PlayerRamAnimation {
public:
    static const int PARTICLES = 40;
    // A particle goes back to the ship when its age reaches this.
    static const int MAX_AGE = 31;

    PlayerRamAnimation();
    ~PlayerRamAnimation();
    PlayerRamAnimation(const PlayerRamAnimation&) = delete;
    PlayerRamAnimation& operator=(const PlayerRamAnimation&) = delete;

    void update();
    // GL points in the current colour, in the ram's own frame (x ahead).
    void draw();

    float* positions;
    float* velocities;
    int* ages;
};
