// Device zoom bands and the touch area that follows the screen size.
#include <gtest/gtest.h>

#include "core/Device.h"
#include "support/StateGuards.h"

namespace {

// Every test leaves the parameters as it found them.
class DeviceTest : public ::testing::Test {
protected:
    DeviceGuard device;
};

}  // namespace

TEST_F(DeviceTest, ZoomBeforeAnySizeIsOne) {
    DeviceGuard::restoreStartValues();
    EXPECT_EQ(Device::zoom, 1.0f);
    Device::init();
    EXPECT_EQ(Device::zoom, 1.0f);
    EXPECT_TRUE(Device::canPlayMusic);
    EXPECT_TRUE(Device::putJoysticksInTheMiddleOfTheScreen);
}

TEST_F(DeviceTest, ZoomReferencesByWidth) {
    struct Case {
        int width;
        double reference;
    } cases[] = {{320, 320}, {399, 320}, {400, 330}, {499, 330}, {500, 340},
                 {600, 350}, {699, 350}, {700, 360}, {1024, 360}};
    for (const Case& c : cases) {
        Device::setScreenSize(c.width, 1000);
        EXPECT_EQ(Device::zoom, (float)(c.width / c.reference)) << c.width;
        EXPECT_EQ(Device::joystickSize, Device::zoom);
    }
    Device::setScreenSize(1024, 600);
    EXPECT_FLOAT_EQ(Device::zoom, 2.8444445f);
}

TEST_F(DeviceTest, SizeSetsTouchArea) {
    Device::setScreenSize(600, 1024);
    EXPECT_EQ(Device::screenWidth, 600);
    EXPECT_EQ(Device::screenHeight, 1024);
    EXPECT_EQ(Device::touchScreenWidth, 600);
    EXPECT_EQ(Device::touchScreenHeight, 1024);
    EXPECT_EQ(Device::getClass(), "RIM");
    EXPECT_EQ(Device::getUniqueID(), "0000");
    EXPECT_EQ(Device::getRawName(), "Playbook");
}
