// PostKeyMessage: posts one keyboard message with lParam 0 to a window.
#pragma once
#include <windows.h>

#include "about/about_countdown.h"

namespace about {

// type: 1 (or omitted) WM_CHAR, 2 or 3 key down, 4 key up, anything else
// nothing; a non-zero system posts the WM_SYS* key messages.
void PostKeyMessage(HWND window, WPARAM key, int type = kCharType, int system = 0);

}  // namespace about
