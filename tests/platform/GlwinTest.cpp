// EGL error texts by code, with everything outside the table as "unknown error code".
#include <gtest/gtest.h>

#include "core/glwin.h"

TEST(Glwin, ErrorTexts) {
    EXPECT_STREQ(glwin_egl_error_text(0), "function succeeded");
    EXPECT_STREQ(glwin_egl_error_text(9), "arguments are inconsistent");
    EXPECT_STREQ(glwin_egl_error_text(14), "a power management event has occurred");
    for (int outside : {15, 16, 0x3000, -1, -0x3000})
        EXPECT_STREQ(glwin_egl_error_text(outside), "unknown error code") << outside;
}
