// Twin sticks: placement, touch, hardware and key paths, quantisation.
#include "core/Joysticks.h"

#include <cmath>
#include <utility>

#include "core/Device.h"
#include "core/KeyPress.h"

Joysticks::Settings (*Joysticks::readSettings)() = nullptr;
void (*Joysticks::storePosition)(int position) = nullptr;
void (*Joysticks::storeSwap)(bool swapped) = nullptr;

// A stick size that would divide by zero (or by a negative or broken number)
// is replaced by the device's stick size.
static float usableStickSize(float s) {
    if (s > 0.0f && s < 1.0e6f)
        return s;
    if (Device::joystickSize > 0.0f && Device::joystickSize < 1.0e6f)
        return Device::joystickSize;
    return 1.0f;
}

void Joystick::fromPoint(int tx, int ty, int cx, int cy, float zoom, float* angle, float* norm) {
    long long dx = (long long)tx - cx;
    long long dy = (long long)ty - cy;
    float d = std::sqrt((float)(dx * dx + dy * dy));
    float q = d / usableStickSize(zoom);
    if (q > 50.0f)
        q = 50.0f;
    *norm = (float)(int)(q * 1.3);
    *angle = (float)(int)(std::atan2((double)dx, (double)(cy - (long long)ty)) * 57.29577951308232);
}

Joysticks::Joysticks()
    : zorbixStyleModel(nullptr), regularStyleModel(nullptr), size(Device::joystickSize), blueAndRedActive(false),
      shootVisible(false), moveVisible(false), shootStick(&lowStick), moveStick(&highStick), lowStickRef(&lowStick),
      highStickRef(&highStick), keyMoveX(0.0f), keyShootX(0.0f), keyMoveY(0.0f), keyShootY(0.0f) {}

// A stored custom position (an edited or damaged file) may lie outside the
// screen or be no number at all: it is brought into 0..high.
static int clampIntoScreen(float value, int high) {
    if (!(value > 0.0f))
        return 0;
    return value < (float)high ? (int)value : high;
}

void Joysticks::setPositionsOfJoysticksAccordingToPreferences() {
    Settings stored = settings();
    int W = Device::screenWidth, H = Device::screenHeight;
    int position = stored.position;
    if (position < 0 || position > 6)
        position = 0;
    float s = position == 6 ? stored.customSize / 1000.0f : Device::joystickSize;
    s = usableStickSize(s);
    size = s;
    int m = (int)(s * 50 + s * 30);
    int m5 = (int)(s * 50 + s * 50);
    int w4 = (int)(W * 0.4);
    auto place = [&](int hx, int hy, int lx, int ly) {
        highStickCentre.x = hx;
        highStickCentre.y = hy;
        lowStickCentre.x = lx;
        lowStickCentre.y = ly;
    };
    switch (position) {
    case 1: place(W - m, H - m, m, m); break;
    case 2: place(m, H - m, W - m, m); break;
    case 3: place(w4, H - m, w4, m); break;
    case 4: place(W - m, H - m, W - m, m); break;
    case 5: place(w4, H - m5, w4, m5); break;
    case 6: {
        const Coord& high = stored.customHigh;
        const Coord& low = stored.customLow;
        place(clampIntoScreen(high.x, W), clampIntoScreen(high.y, H), clampIntoScreen(low.x, W),
              clampIntoScreen(low.y, H));
        break;
    }
    default: place(m, H - m, m, m); break;
    }
    if (stored.swapped) {
        moveStick = &lowStick;
        shootStick = &highStick;
    } else {
        shootStick = &lowStick;
        moveStick = &highStick;
    }
    moveStick->style = 0;
    shootStick->style = 1;
    moveStick->setZoom(size);
    shootStick->setZoom(size);
    if (blueAndRedActive)
        moveStick->style = 2;
}

int Joysticks::nextLocation(int position) {
    switch (position) {
    case 1: return 2;
    case 2: return 3;
    case 3: return 5;
    case 5: return 4;
    case 4: return 6;
    case 6: return 0;
    default: return 1;  // 0, and any unknown stored placement counted as 0
    }
}

void Joysticks::changeLocation() {
    if (storePosition)
        storePosition(nextLocation(settings().position));
    setPositionsOfJoysticksAccordingToPreferences();
}

void Joysticks::swap() {
    if (storeSwap)
        storeSwap(!settings().swapped);
    setPositionsOfJoysticksAccordingToPreferences();
}

void Joysticks::activateBlueAndRedJoystick(bool on) {
    blueAndRedActive = on;
    moveStick->style = on ? 2 : 0;
}

void Joysticks::packAndApply() {
    current.setMoveAngleAndNorm(moveStick->angle, moveStick->norm);
    current.setShootAngleAndNorm(shootStick->angle, shootStick->norm);
    update(&current);
}

void Joysticks::update(SerializedJoystickData* data) {
    data->getMoveAngleAndNorm(&moveStick->angle, &moveStick->norm);
    data->getShootAngleAndNorm(&shootStick->angle, &shootStick->norm);
}

void Joysticks::update(int* touchX, int* touchY) {
    lowStick.norm = 0.0f;
    highStick.norm = 0.0f;
    bool t0 = touchY[0] != -1, t1 = touchY[1] != -1;
    if (t0 && t1) {
        int low = touchY[1] < touchY[0] ? 1 : 0;
        int high = 1 - low;
        lowStick.update(touchX[low], touchY[low], lowStickCentre.x, lowStickCentre.y);
        highStick.update(touchX[high], touchY[high], highStickCentre.x, highStickCentre.y);
    } else if (t0 || t1) {
        int t = t0 ? 0 : 1;
        if (touchY[t] < Device::screenHeight / 2)
            lowStick.update(touchX[t], touchY[t], lowStickCentre.x, lowStickCentre.y);
        else
            highStick.update(touchX[t], touchY[t], highStickCentre.x, highStickCentre.y);
    }
    packAndApply();
}

void Joysticks::updateWithBadMultitouchCorrectionDiagonal1(int* touchX, int* touchY) {
    int x[2] = {touchX[0], touchX[1]};
    if (touchY[0] != -1 && touchY[1] != -1) {
        int y0 = touchY[0], y1 = touchY[1];
        if ((y0 > y1 && x[0] > x[1]) || (y0 < y1 && x[0] < x[1]))
            std::swap(x[0], x[1]);
    }
    update(x, touchY);
}

void Joysticks::updateWithBadMultitouchCorrectionDiagonal2(int* touchX, int* touchY) {
    int x[2] = {touchX[0], touchX[1]};
    if (touchY[0] != -1 && touchY[1] != -1) {
        int y0 = touchY[0], y1 = touchY[1];
        if ((y0 > y1 && x[0] < x[1]) || (y0 < y1 && x[0] > x[1]))
            std::swap(x[0], x[1]);
    }
    update(x, touchY);
}

static float hardwareNorm(float n) { return n > 1.0f ? 65.0f : (float)(int)(n * 50 * 1.3); }

void Joysticks::updateWithJoystickHardware(float angle1, float norm1, float angle2, float norm2) {
    lowStick.norm = 0.0f;
    highStick.norm = 0.0f;
    // The packing wraps and clamps whatever the hardware reports.
    if (norm1 != -1.0f) {
        highStick.angle = std::isfinite(angle1) ? (float)(long long)angle1 : 0.0f;
        highStick.norm = hardwareNorm(norm1);
    }
    if (norm2 != -1.0f) {
        lowStick.angle = std::isfinite(angle2) ? (float)(long long)angle2 : 0.0f;
        lowStick.norm = hardwareNorm(norm2);
    }
    packAndApply();
}

// How far a held key pushes its stick, in stick units before the device's zoom.
static const float KEY_PUSH = 60.0f;

// One role's keys: smoothed toward the held direction, or decaying to rest.
// Returns true when it changed anything.
static bool keyPart(bool held, float tx, float ty, float& kx, float& ky, Joystick* stick) {
    if (held) {
        kx += (tx - kx) * 0.125f;
        ky += (ty - ky) * 0.125f;
    } else {
        if (kx == 0.0f && ky == 0.0f)
            return false;
        kx += (0.0f - kx) * 0.125f;
        ky += (0.0f - ky) * 0.125f;
        if (std::fabs(kx) < 3.0f && std::fabs(ky) < 3.0f) {
            kx = ky = 0.0f;
            return true;
        }
    }
    stick->update((int)(kx * Device::joystickSize), (int)(ky * Device::joystickSize), 0, 0);
    return true;
}

void Joysticks::updateWithKeys(int keys) {
    // The keys drive the roles, so that swapped sticks still move with the move keys.
    // The game frame lies a quarter turn onto the display: its +x points up
    // and its +y to the left, so "up" pushes +x and "left" +y.
    const int moveKeys =
        KeyPress::BIT_KEY_UP | KeyPress::BIT_KEY_DOWN | KeyPress::BIT_KEY_LEFT | KeyPress::BIT_KEY_RIGHT;
    const int shootKeys = KeyPress::BIT_KEY_SHOOT_UP | KeyPress::BIT_KEY_SHOOT_DOWN | KeyPress::BIT_KEY_SHOOT_LEFT |
                          KeyPress::BIT_KEY_SHOOT_RIGHT;
    auto push = [keys](int plus, int minus) {
        return ((keys & plus) ? KEY_PUSH : 0.0f) - ((keys & minus) ? KEY_PUSH : 0.0f);
    };
    float mx = push(KeyPress::BIT_KEY_UP, KeyPress::BIT_KEY_DOWN);
    float my = push(KeyPress::BIT_KEY_LEFT, KeyPress::BIT_KEY_RIGHT);
    float sx = push(KeyPress::BIT_KEY_SHOOT_UP, KeyPress::BIT_KEY_SHOOT_DOWN);
    float sy = push(KeyPress::BIT_KEY_SHOOT_LEFT, KeyPress::BIT_KEY_SHOOT_RIGHT);
    bool moved = keyPart((keys & moveKeys) != 0, mx, my, keyMoveX, keyMoveY, moveStick);
    bool shot = keyPart((keys & shootKeys) != 0, sx, sy, keyShootX, keyShootY, shootStick);
    if (moved || shot)
        packAndApply();
}
