#include <gtest/gtest.h>

#include <cstdint>

#include "lock/mouse_filter_rule.h"

namespace lock {
namespace {

// Every mouse message identifier from WM_MOUSEMOVE to WM_MOUSEHWHEEL.
TEST(MouseFilterRule, ModeZeroSwallowsExactlyTheLeftAndRightButtonEvents) {
    struct Case {
        std::uintptr_t message;
        const char* name;
        bool swallowed;
    } cases[] = {
        {0x0200, "WM_MOUSEMOVE", false},     {0x0201, "WM_LBUTTONDOWN", true},
        {0x0202, "WM_LBUTTONUP", true},      {0x0203, "WM_LBUTTONDBLCLK", true},
        {0x0204, "WM_RBUTTONDOWN", true},    {0x0205, "WM_RBUTTONUP", true},
        {0x0206, "WM_RBUTTONDBLCLK", true},  {0x0207, "WM_MBUTTONDOWN", false},
        {0x0208, "WM_MBUTTONUP", false},     {0x0209, "WM_MBUTTONDBLCLK", false},
        {0x020A, "WM_MOUSEWHEEL", false},    {0x020B, "WM_XBUTTONDOWN", false},
        {0x020C, "WM_XBUTTONUP", false},     {0x020D, "WM_XBUTTONDBLCLK", false},
        {0x020E, "WM_MOUSEHWHEEL", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SwallowsMouseEvent(0, 0, c.message), c.swallowed) << c.name;
        EXPECT_TRUE(SwallowsMouseEvent(0, 1, c.message)) << c.name << " in mode 1";
        EXPECT_TRUE(SwallowsMouseEvent(0, -1, c.message)) << c.name << " in mode -1";
    }
}

TEST(MouseFilterRule, NegativeCodePassesEverythingOn) {
    for (int mode : {0, 1}) {
        EXPECT_FALSE(SwallowsMouseEvent(-1, mode, 0x0201)) << mode;
        EXPECT_FALSE(SwallowsMouseEvent(-1, mode, 0x0200)) << mode;
    }
}

TEST(MouseFilterRule, IsDecidedAtCompileTime) {
    // The hook procedure must stay a few compares: the rule folds to constants.
    static_assert(SwallowsMouseEvent(0, 0, 0x0201));
    static_assert(!SwallowsMouseEvent(0, 0, 0x020A));
}

}  // namespace
}  // namespace lock
