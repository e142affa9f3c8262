// The score entry, reduced to a line on the standard output and its way out.
#include "screens/StateConfirmScore.h"

#include <cstdio>

#include "core/StateTransition.h"
#include "screens/StateFirstMenu.h"

StateConfirmScore::StateConfirmScore(std::string level_, int score_, int replay_, int time_)
    : level(level_), score(score_), replay(replay_), time(time_) {
    printf("score %i, replay %i\n", score, replay);
    fflush(stdout);
}

StateTransition* StateConfirmScore::updateState() {
    return new StateTransition(new StateFirstMenu(), 2);
}
