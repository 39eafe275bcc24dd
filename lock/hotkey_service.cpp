// The hot-key service: registers keys for a window and tells a feedback
// target of each press with the message 0x8075. It takes over the owning
// window's procedure once, the first time a key is registered.
#include "lock/hotkey_identifiers.h"
#include "lock/hotkey_modifiers.h"
#include "lock/hotkeys.h"

namespace lock {
namespace {

// One set of state for the whole process, on the UI thread.
struct HotkeyService {
    HotkeyIdentifiers identifiers;
    HWND feedbackTarget = nullptr;  // the last one given holds for every key
    WNDPROC savedProcedure = nullptr;
};
HotkeyService service;

LRESULT CALLBACK ServiceProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY && service.identifiers.Issued(wParam))
        SendMessageA(service.feedbackTarget, kFeedbackMessage, wParam, 0);
    return CallWindowProcA(service.savedProcedure, window, message, wParam, lParam);
}

}  // namespace

int RegisterFeedbackHotKey(HWND window, HWND feedbackTarget, int modifiers, UINT key) {
    service.feedbackTarget = feedbackTarget;
    const UINT systemModifiers = SystemModifiers(modifiers);
    if (!service.savedProcedure) {
        service.savedProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ServiceProcedure)));
    }
    const int identifier = service.identifiers.Next();
    return RegisterHotKey(window, identifier, systemModifiers, key) ? identifier : 0;
}

}  // namespace lock
