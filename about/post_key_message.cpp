#include "about/post_key_message.h"

namespace about {

void PostKeyMessage(HWND window, WPARAM key, int type, int system) {
    if (const auto message = KeyMessageFor(type, system)) PostMessageA(window, *message, key, 0);
}

}  // namespace about
