// The sounds and vibrations of the widgets, with one place where tests see them.
#pragma once

#include <functional>
#include <string>

class WidgetFeedback {
public:
    // Plays a sound effect at the listener ("/data/sounds/blip1.caf").
    static void playSound(const std::string& name);
    // A vibration of type 0.
    static void vibrate();

    // Told of every request before it is carried out: the sound's name, or
    // "vibrate". Empty in the game.
    static std::function<void(const std::string&)> observer;
};
