#include "update/process_pending_messages.h"

#include <windows.h>

namespace update {

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace update
