// A button that opens its page in the browser.
#include "screens/ButtonToTheWeb.h"

#include "core/launchBrowser.h"

ButtonToTheWeb::ButtonToTheWeb(std::string label, std::string address_, Coord centre)
    : Button(label, centre, DECORATION_NONE), address(address_) {
    setUseStringColor(true);
}

bool ButtonToTheWeb::update() {
    if (Button::update())
        launchBrowser(address);
    return false;
}
