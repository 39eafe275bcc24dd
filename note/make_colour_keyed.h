// MakeColourKeyed: pixels of exactly white (0xFFFFFF) become transparent.
#pragma once
#include <windows.h>

namespace note {

inline constexpr COLORREF kColourKey = 0xFFFFFF;

void MakeColourKeyed(HWND window);

}  // namespace note
