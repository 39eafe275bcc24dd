// Which mouse events the lock swallows. Kept inline and free of windows.h so
// the hook procedure compiles it down to a few compares and the rule is
// tested natively.
#pragma once
#include <cstdint>

namespace lock {

inline constexpr std::uintptr_t kLeftButtonDown = 0x0201;   // WM_LBUTTONDOWN
inline constexpr std::uintptr_t kRightDoubleClick = 0x0206;  // WM_RBUTTONDBLCLK

// code is the hook code: below 0 the event must be passed on untouched.
// A non-zero mode swallows every event; mode 0 only the left- and
// right-button presses, releases and double clicks (0x0201 to 0x0206).
constexpr bool SwallowsMouseEvent(int code, int mode, std::uintptr_t message) {
    if (code < 0) return false;
    if (mode != 0) return true;
    return message >= kLeftButtonDown && message <= kRightDoubleClick;
}

}  // namespace lock
