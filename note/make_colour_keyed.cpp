#include "note/make_colour_keyed.h"

namespace note {

void MakeColourKeyed(HWND window) {
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    // Only the colour key is in force: the alpha of 200 has no effect.
    SetLayeredWindowAttributes(window, kColourKey, 200, LWA_COLORKEY);
}

}  // namespace note
