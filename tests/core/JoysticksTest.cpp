// Sticks: placement, touch assignment, quantisation, packing and the key path.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Device.h"
#include "core/Joysticks.h"
#include "savedata/Preferences.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

namespace {

// Changing the placement saves the preferences: each test works in a fresh
// documents folder.
class Sticks : public ::testing::Test {
protected:
    TempGameDir dir;
    void SetUp() override {
        prefs = Preferences::getInstance();
        savedPosition = prefs->getJoysticksPosition();
        savedSwap = prefs->getSwapJoysticks();
        savedSize = prefs->getCustomJoysticksSize();
        prefs->setJoysticksPosition(0);
        prefs->setSwapJoysticks(false);
    }
    void TearDown() override {
        prefs->setJoysticksPosition(savedPosition);
        prefs->setSwapJoysticks(savedSwap);
        prefs->setCustomJoysticksSize(savedSize);
    }
    Preferences* prefs;
    int savedPosition;
    bool savedSwap;
    int savedSize;
};

TEST_F(Sticks, DistanceAndAngleToStrength) {
    struct Case {
        int tx, ty;
        float zoom;
        float angle, norm;
    } cases[] = {
        {0, 1000, 1.0f, 180, 65},                           // straight toward larger y
        {0, 30, 1.0f, 180, 39},                             // (int)(30 * 1.3)
        {0, -30, 1.0f, 0, 39},                              // toward smaller y
        {30, 0, 1.0f, 90, 39},                              // toward larger x
        {-30, 0, 1.0f, -90, 39},  {30, 30, 2.0f, 135, 27},  // (int)(42.43 / 2 * 1.3)
        {0, 0, 1.0f, 0, 0},       {0, 100, 0.0f, 180, 65},  // a zero stick size falls back to the device size
        {0, 100, -3.0f, 180, 65},
    };
    for (const Case& c : cases) {
        float angle, norm;
        Joystick::fromPoint(c.tx, c.ty, 0, 0, c.zoom, &angle, &norm);
        EXPECT_EQ(angle, c.angle) << c.tx << "," << c.ty;
        EXPECT_EQ(norm, c.norm) << c.tx << "," << c.ty;
    }
}

TEST(SerializedSticks, PackAndUnpackRoundTripExhaustively) {
    for (int angle = -180; angle <= 180; angle++)
        for (int norm = 0; norm <= 65; norm++) {
            uint16_t w = SerializedJoystickData::pack((float)angle, (float)norm);
            ASSERT_EQ(w & 0x1ff, angle + 200);
            ASSERT_EQ(w >> 9, norm);
            float a, n;
            SerializedJoystickData::unpack(w, &a, &n);
            ASSERT_EQ(a, (float)angle);
            ASSERT_EQ(n, (float)norm);
        }
    float a, n;
    SerializedJoystickData::unpack(0, &a, &n);
    EXPECT_EQ(a, -200.0f);
    EXPECT_EQ(n, 0.0f);
    EXPECT_EQ(SerializedJoystickData::pack(180, 0), 380);
}

TEST(SerializedSticks, OutOfRangeValuesAreWrappedAndClamped) {
    struct Case {
        float angle, norm;
        int wantAngle, wantNorm;
    } cases[] = {{190, 70, -170, 65}, {-190, -4, 170, 0}, {540, 10, 180, 10}, {-720, 200, 0, 65},
                 {INFINITY, 1, 0, 1}, {NAN, 2, 0, 2},     {0, 1e30f, 0, 65},  {0, NAN, 0, 0}};
    for (const Case& c : cases) {
        SerializedJoystickData d;
        d.setMoveAngleAndNorm(c.angle, c.norm);
        d.setShootAngleAndNorm(0, 0);
        float a, n;
        d.getMoveAngleAndNorm(&a, &n);
        EXPECT_EQ(a, (float)c.wantAngle) << c.angle;
        EXPECT_EQ(n, (float)c.wantNorm) << c.norm;
        EXPECT_EQ(d.shoot, 200) << "no spill into the other stick";
    }
}

TEST_F(Sticks, PlacementTable) {
    int W = Device::screenWidth, H = Device::screenHeight;
    float s = Device::joystickSize;
    int m = (int)(s * 50 + s * 30), m5 = (int)(s * 50 + s * 50), w4 = (int)(W * 0.4);
    struct Case {
        int position, hx, hy, lx, ly;
    } cases[] = {{0, m, H - m, m, m},         {1, W - m, H - m, m, m}, {2, m, H - m, W - m, m}, {3, w4, H - m, w4, m},
                 {4, W - m, H - m, W - m, m}, {5, w4, H - m5, w4, m5}, {9, m, H - m, m, m},     {-1, m, H - m, m, m}};
    for (const Case& c : cases) {
        prefs->setJoysticksPosition(c.position);
        Joysticks j;
        j.init();
        EXPECT_EQ(j.highStickCentre.x, c.hx) << c.position;
        EXPECT_EQ(j.highStickCentre.y, c.hy) << c.position;
        EXPECT_EQ(j.lowStickCentre.x, c.lx) << c.position;
        EXPECT_EQ(j.lowStickCentre.y, c.ly) << c.position;
        EXPECT_EQ(j.moveStick, &j.highStick);
        EXPECT_EQ(j.lowStick.zoom, s);
    }
    prefs->setJoysticksPosition(6);
    prefs->setCustomJoysticksSize(1500);
    Joysticks j;
    j.init();
    Coord high, low;
    prefs->getJoysticksCustomPosition(high, low);
    EXPECT_EQ(j.highStickCentre.x, (int)high.x);
    EXPECT_EQ(j.lowStickCentre.y, (int)low.y);
    EXPECT_EQ(j.size, 1.5f);
    // A custom size of 0 or less falls back to the device's stick size.
    for (int bad : {0, -700}) {
        prefs->setCustomJoysticksSize(bad);
        j.init();
        EXPECT_EQ(j.size, Device::joystickSize) << bad;
        EXPECT_EQ(j.moveStick->zoom, Device::joystickSize) << bad;
    }
}

// Stored custom centres outside the screen, or no numbers at all, are brought
// into the screen; those inside are used as they are.
TEST_F(Sticks, CustomCentresAreClampedIntoTheScreen) {
    int W = Device::screenWidth, H = Device::screenHeight;
    Coord savedHigh, savedLow;
    prefs->getJoysticksCustomPosition(savedHigh, savedLow);
    OnExit restore([this, savedHigh, savedLow] { prefs->setJoysticksCustomPosition(savedHigh, savedLow); });
    prefs->setJoysticksPosition(6);
    const float inf = INFINITY;
    struct Case {
        Coord high, low;
        int hx, hy, lx, ly;
    } cases[] = {
        {Coord(100, 200, 0), Coord(300, 50, 0), 100, 200, 300, 50},
        {Coord(-50, H + 900.0f, 0), Coord(W + 1.0f, -1, 0), 0, H, W, 0},
        {Coord(1e20f, -1e20f, 0), Coord(NAN, inf, 0), W, 0, 0, H},
    };
    for (const Case& c : cases) {
        prefs->setJoysticksCustomPosition(c.high, c.low);
        Joysticks j;
        j.init();
        EXPECT_EQ(j.highStickCentre.x, c.hx);
        EXPECT_EQ(j.highStickCentre.y, c.hy);
        EXPECT_EQ(j.lowStickCentre.x, c.lx);
        EXPECT_EQ(j.lowStickCentre.y, c.ly);
    }
}

TEST_F(Sticks, LocationCycleCountsAnUnknownPlacementAsZero) {
    int expected[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 5}, {5, 4}, {4, 6}, {6, 0}, {17, 1}, {-2, 1}};
    for (auto& e : expected)
        EXPECT_EQ(Joysticks::nextLocation(e[0]), e[1]) << e[0];
    prefs->setJoysticksPosition(3);
    Joysticks j;
    j.init();
    j.changeLocation();
    EXPECT_EQ(prefs->getJoysticksPosition(), 5);
    j.swap();
    EXPECT_TRUE(prefs->getSwapJoysticks());
    EXPECT_EQ(j.moveStick, &j.lowStick);
    EXPECT_EQ(j.shootStick, &j.highStick);
}

TEST_F(Sticks, TouchesGoToTheStickOfTheirHalf) {
    int H = Device::screenHeight;
    Joysticks j;
    j.init();
    // One touch exactly at the middle goes to the high stick.
    int x1[2] = {j.highStickCentre.x + 20, -1}, y1[2] = {H / 2, -1};
    j.update(x1, y1);
    EXPECT_GT(j.highStick.norm, 0.0f);
    EXPECT_EQ(j.lowStick.norm, 0.0f);
    // Two touches: the smaller y drives the low stick; norms are cleared first.
    int x2[2] = {j.lowStickCentre.x, j.highStickCentre.x + 30};
    int y2[2] = {j.lowStickCentre.y - 30, j.highStickCentre.y};
    j.update(x2, y2);
    EXPECT_EQ(j.lowStick.angle, 0.0f);
    EXPECT_EQ(j.lowStick.norm, (float)(int)(30 / j.size * 1.3));
    EXPECT_EQ(j.highStick.angle, 90.0f);
    // The live path holds exactly what its record unpacks to.
    float a, n;
    j.current.getMoveAngleAndNorm(&a, &n);
    EXPECT_EQ(a, j.getMoveJoystickAngle());
    EXPECT_EQ(n, j.getMoveJoystickNorm());
    j.current.getShootAngleAndNorm(&a, &n);
    EXPECT_EQ(a, j.getShootJoystickAngle());
    EXPECT_EQ(n, j.getShootJoystickNorm());
    // No touch: both norms 0, angles kept.
    int none[2] = {-1, -1};
    j.update(none, none);
    EXPECT_EQ(j.highStick.norm, 0.0f);
    EXPECT_EQ(j.highStick.angle, 90.0f);
}

TEST_F(Sticks, ReplayRecordAndLivePathAgree) {
    Joysticks live, replay;
    live.init();
    replay.init();
    for (int i = 0; i < 500; i++) {
        int tx[2] = {(i * 37) % Device::screenWidth, (i * 11) % Device::screenWidth};
        int ty[2] = {(i * 53) % Device::screenHeight, i % 3 ? (i * 29) % Device::screenHeight : -1};
        live.update(tx, ty);
        SerializedJoystickData record = live.current;
        replay.update(&record);
        ASSERT_EQ(replay.getMoveJoystickAngle(), live.getMoveJoystickAngle());
        ASSERT_EQ(replay.getMoveJoystickNorm(), live.getMoveJoystickNorm());
        ASSERT_EQ(replay.getShootJoystickAngle(), live.getShootJoystickAngle());
        ASSERT_EQ(replay.getShootJoystickNorm(), live.getShootJoystickNorm());
    }
}

TEST_F(Sticks, DiagonalCorrectionsPairTheXValues) {
    Joysticks j;
    j.init();
    // Diagonal 2: the larger y goes with the larger x.
    int x[2] = {300, 10}, y[2] = {50, 400};
    Joysticks k;
    k.init();
    j.updateWithBadMultitouchCorrectionDiagonal2(x, y);
    int fixed[2] = {10, 300};
    k.update(fixed, y);
    EXPECT_EQ(j.current.move, k.current.move);
    EXPECT_EQ(j.current.shoot, k.current.shoot);
    EXPECT_EQ(x[0], 300) << "the caller's touches are not changed";
    // Diagonal 1: the larger y goes with the smaller x.
    int x1[2] = {10, 300};
    j.updateWithBadMultitouchCorrectionDiagonal1(x1, y);
    int fixed1[2] = {300, 10};
    k.update(fixed1, y);
    EXPECT_EQ(j.current.move, k.current.move);
    EXPECT_EQ(j.current.shoot, k.current.shoot);
}

TEST_F(Sticks, KeysDriveTheRolesAndDecayToRest) {
    prefs->setSwapJoysticks(true);
    Joysticks j;
    j.init();
    j.updateWithKeys(0x2);  // move +x
    EXPECT_EQ(j.moveStick, &j.lowStick);
    EXPECT_GT(j.getMoveJoystickNorm(), 0.0f);
    EXPECT_EQ(j.getMoveJoystickAngle(), 90.0f);
    EXPECT_EQ(j.getShootJoystickNorm(), 0.0f);
    EXPECT_FLOAT_EQ(j.keyMoveX, 7.5f);
    for (int i = 0; i < 40; i++)
        j.updateWithKeys(0x2 | 0x4 | 0x80);  // opposite move keys cancel; shoot +x
    EXPECT_GT(j.getShootJoystickNorm(), 0.0f);
    EXPECT_EQ(j.getShootJoystickAngle(), 90.0f);
    EXPECT_TRUE(j.residualHWMovementIsPresent());
    // Released: one eighth less per step until both values are below 3.
    float before = j.keyShootX;
    j.updateWithKeys(0);
    EXPECT_FLOAT_EQ(j.keyShootX, before - before * 0.125f);
    int steps = 1;
    while (j.residualHWMovementIsPresent() && steps < 100) {
        j.updateWithKeys(0);
        steps++;
    }
    EXPECT_FALSE(j.residualHWMovementIsPresent());
    EXPECT_LT(steps, 40);
    float a, n;
    j.current.getShootAngleAndNorm(&a, &n);
    EXPECT_EQ(n, j.getShootJoystickNorm());
}

TEST_F(Sticks, HardwareSticksDriveHighThenLow) {
    Joysticks j;
    j.init();
    j.updateWithJoystickHardware(45.7f, 2.0f, 400.0f, 0.5f);
    EXPECT_EQ(j.highStick.angle, 45.0f);
    EXPECT_EQ(j.highStick.norm, 65.0f);
    EXPECT_EQ(j.lowStick.angle, 40.0f) << "wrapped by the packing";
    EXPECT_EQ(j.lowStick.norm, 32.0f);
    j.updateWithJoystickHardware(0, -1.0f, 0, -1.0f);
    EXPECT_EQ(j.highStick.norm, 0.0f);
    EXPECT_EQ(j.lowStick.norm, 0.0f);
}

TEST_F(Sticks, AllyStyleFollowsTheMoveRole) {
    Joysticks j;
    j.init();
    j.activateBlueAndRedJoystick(true);
    EXPECT_EQ(j.moveStick->style, 2);
    j.swap();
    EXPECT_EQ(j.moveStick->style, 2);
    EXPECT_EQ(j.shootStick->style, 1);
    j.activateBlueAndRedJoystick(false);
    EXPECT_EQ(j.moveStick->style, 0);
}

}  // namespace
