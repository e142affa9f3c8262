// Placeholder until the score files land: no scores.
#include "savedata/Scores.h"

Scores* Scores::getInstance() {
    static Scores* instance = new Scores();
    return instance;
}
