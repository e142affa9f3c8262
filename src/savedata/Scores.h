// Local and downloaded high scores.
#pragma once

class Scores {
public:
    static Scores* getInstance();
};
