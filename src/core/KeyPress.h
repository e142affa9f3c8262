// Key bit arrays: which keys are down and which went down since the last read.
#pragma once

class KeyPress {
public:
    // One bit per key. Screens read the menu keys (back, the four arrows, the
    // two press bits); the play screen reads the arrows as the moving stick and
    // the four shoot bits as the shooting stick.
    enum BIT_KEY {
        BIT_KEY_BACK = 0x1,
        BIT_KEY_UP = 0x2,
        BIT_KEY_DOWN = 0x4,
        BIT_KEY_RIGHT = 0x8,
        BIT_KEY_LEFT = 0x10,
        BIT_KEY_PRESS = 0x20,
        BIT_KEY_SHOOT_LEFT = 0x40,
        BIT_KEY_SHOOT_UP = 0x80,
        BIT_KEY_SHOOT_DOWN = 0x100,  // also the second press bit of the menus
        BIT_KEY_SHOOT_RIGHT = 0x200,
        BIT_KEY_GAME_BACK = 0x400,
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
