#include "app/self_closing_notice.h"

#include <cstring>
#include <utility>

#include "app/unique_handle.h"

namespace app {
namespace {

constexpr UINT_PTR kCloseTimer = 0x5A17;

// The notice whose box is about to open on this thread. A notice opened
// inside another one's loop gets its own entry; the outer one is restored.
struct PendingNotice {
    DWORD milliseconds;
    UniqueHook watch;
};
thread_local PendingNotice* pending = nullptr;

void CALLBACK CloseBox(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    EndDialog(box, kTimedOut);
}

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0;
}

LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
    PendingNotice* notice = pending;
    HHOOK hook = notice ? notice->watch.Get() : nullptr;
    if (code == HCBT_ACTIVATE && notice && IsMessageBox(reinterpret_cast<HWND>(wParam))) {
        SetTimer(reinterpret_cast<HWND>(wParam), kCloseTimer, notice->milliseconds, CloseBox);
        pending = nullptr;
        LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
        notice->watch.Reset();
        return result;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int MessageBoxTimeoutA(HWND owner, LPCSTR text, LPCSTR caption, UINT style, WORD language, DWORD milliseconds) {
    PendingNotice notice{milliseconds, UniqueHook(SetWindowsHookExA(WH_CBT, WatchForBox, nullptr, GetCurrentThreadId()))};
    PendingNotice* outer = std::exchange(pending, &notice);
    const int result = MessageBoxExA(owner, text, caption, style, language);
    pending = outer;
    return result;
}

}  // namespace app
