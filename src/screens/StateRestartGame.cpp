// The play-again screen, reduced to its way out.
#include "screens/StateRestartGame.h"

#include "core/StateTransition.h"
#include "screens/StateFirstMenu.h"

StateTransition* StateRestartGame::updateState() {
    return new StateTransition(new StateFirstMenu(), 2);
}
