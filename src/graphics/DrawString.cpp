// Placeholder font until the vector font lands: draws nothing.
#include "graphics/DrawString.h"

static DrawString* theInstance = nullptr;

DrawString* DrawString::getInstance() {
    if (!theInstance)
        theInstance = new DrawString();
    return theInstance;
}

void DrawString::destroyInstance() {
    delete theInstance;
    theInstance = nullptr;
}

void DrawString::draw(std::string, float) {}
int DrawString::getStringWidth(std::string) { return 0; }
int DrawString::getCharacterHeight() { return 25; }
