#include "lock/mouse_lock.h"

#include "lock/clip_rectangle.h"
#include "lock/mouse_filter_rule.h"

namespace lock {

app::UniqueHook MouseHookHandle;
int MouseLockMode = 0;

LRESULT CALLBACK MouseHookFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (SwallowsMouseEvent(code, MouseLockMode, wParam)) return 1;
    return CallNextHookEx(MouseHookHandle.Get(), code, wParam, lParam);
}

void LockMouse(int mode) {
    MouseHookHandle.Reset();
    MouseLockMode = mode;
    // Thread 0 and the program's own module: the hook sees the whole desktop.
    MouseHookHandle.Reset(SetWindowsHookExA(WH_MOUSE_LL, MouseHookFilter, GetModuleHandleA(nullptr), 0));
}

void UnlockMouse() { MouseHookHandle.Reset(); }

void ClipCursorToRect(int left, int top, int width, int height) {
    const ClipRectangle edges =
        ClipRectangleFor(left, top, width, height, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT rect{edges.left, edges.top, edges.right, edges.bottom};
    ClipCursor(&rect);
}

}  // namespace lock
