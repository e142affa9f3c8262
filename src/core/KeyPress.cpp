// Key bit arrays fed by the platform's keyboard.
#include "core/KeyPress.h"

int KeyPress::keyIsPressedBitArray = 0;
int KeyPress::keyJustGotPressedBitArray = 0;

void KeyPress::setKeyStatus(BIT_KEY key, int status) {
    if (status == 1 && !(keyIsPressedBitArray & key))
        keyJustGotPressedBitArray |= key;
    if (status == 1)
        keyIsPressedBitArray |= key;
    else
        keyIsPressedBitArray &= ~key;
}

int KeyPress::getKeyIsPressedBitArray() { return keyIsPressedBitArray; }

int KeyPress::getKeyJustGotPressedBitArray() {
    int bits = keyJustGotPressedBitArray;
    keyJustGotPressedBitArray = 0;
    return bits;
}
