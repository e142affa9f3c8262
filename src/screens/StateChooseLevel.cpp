// The level screen, reduced to its way out.
#include "screens/StateChooseLevel.h"

#include "core/StateTransition.h"
#include "screens/StateFirstMenu.h"

StateTransition* StateChooseLevel::updateState() {
    return new StateTransition(new StateFirstMenu(), 2);
}
