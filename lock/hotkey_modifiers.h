// The hot-key service's modifier bits (1 Ctrl, 2 Shift, 4 Alt, added
// together) and their conversion to RegisterHotKey's MOD_ flags.
#pragma once

namespace lock {

inline constexpr unsigned kModAlt = 0x0001;      // MOD_ALT
inline constexpr unsigned kModControl = 0x0002;  // MOD_CONTROL
inline constexpr unsigned kModShift = 0x0004;    // MOD_SHIFT

// Values other than 1 to 6 are passed on unchanged.
unsigned SystemModifiers(int modifiers);

}  // namespace lock
