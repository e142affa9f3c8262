// The campaign chooser, reduced to its way out.
#include "screens/StateChooseCampaign.h"

#include "core/StateTransition.h"
#include "screens/StateFirstMenu.h"

StateTransition* StateChooseCampaign::updateState() {
    return new StateTransition(new StateFirstMenu(), 2);
}
