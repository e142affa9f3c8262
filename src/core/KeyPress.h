// Key bit arrays: which keys are down and which went down since the last read.
#pragma once

#include "platform/KeyNames.h"

class KeyPress {
public:
    // One bit per key. Screens read the menu keys (back, the four arrows, the
    // two press bits); the play screen reads the arrows as the moving stick and
    // the four shoot bits as the shooting stick.
    enum BIT_KEY {
        BIT_KEY_BACK = KEY_BIT_BACK,
        BIT_KEY_UP = KEY_BIT_UP,
        BIT_KEY_DOWN = KEY_BIT_DOWN,
        BIT_KEY_RIGHT = KEY_BIT_RIGHT,
        BIT_KEY_LEFT = KEY_BIT_LEFT,
        BIT_KEY_PRESS = KEY_BIT_PRESS,
        BIT_KEY_SHOOT_LEFT = KEY_BIT_SHOOT_LEFT,
        BIT_KEY_SHOOT_UP = KEY_BIT_SHOOT_UP,
        BIT_KEY_SHOOT_DOWN = KEY_BIT_SHOOT_DOWN,  // also the second press bit of the menus
        BIT_KEY_SHOOT_RIGHT = KEY_BIT_SHOOT_RIGHT,
        BIT_KEY_GAME_BACK = KEY_BIT_GAME_BACK,
    };

    KeyPress() {}

    // status 1: down; anything else: up.
    static void setKeyStatus(BIT_KEY key, int status);
    static int getKeyIsPressedBitArray();
    // Each press is reported once: the bits are cleared by the read.
    static int getKeyJustGotPressedBitArray();

    static int keyIsPressedBitArray;
    static int keyJustGotPressedBitArray;
};
