// A button that opens a web page in the platform's browser when pressed; its
// owner never sees the press.
#pragma once

#include <string>

#include "widgets/Button.h"

class ButtonToTheWeb : public Button {
public:
    ButtonToTheWeb(std::string label, std::string address, Coord centre);
    ~ButtonToTheWeb() override {}

    // Opens the page on a press; false in every case.
    bool update() override;

    std::string getAddress() const { return address; }

private:
    std::string address;
};
