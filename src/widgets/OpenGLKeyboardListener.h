// What a screen that receives the typed text implements: told after every change.
#pragma once

#include <string>

class OpenGLKeyboardListener {
public:
    virtual ~OpenGLKeyboardListener() {}
    virtual void textHasChanged(std::string text) = 0;
};
