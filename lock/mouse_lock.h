// The mouse lock: a desktop-wide low-level mouse hook and the cursor
// confinement. Releasing the cursor is ClipCursor(nullptr) at each caller.
#pragma once
#include <windows.h>

#include "app/unique_handle.h"

namespace lock {

// The hook installed by the last LockMouse, and the mode stored with it:
// non-zero swallows every mouse event, 0 only left- and right-button events.
// Both are read by the filter on the UI thread.
extern app::UniqueHook MouseHookHandle;
extern int MouseLockMode;

// Replaces an installed hook, so at most one is ever active.
void LockMouse(int mode = 0);
// Removes the hook; the mode stays as it was.
void UnlockMouse();
// A width or height of 0 leaves the same margin at the screen's right or
// bottom edge as at its left or top.
void ClipCursorToRect(int left, int top, int width = 0, int height = 0);

// The WH_MOUSE_LL procedure. The system drops a hook whose procedure is slow,
// so it compares integers and calls CallNextHookEx, nothing else.
LRESULT CALLBACK MouseHookFilter(int code, WPARAM wParam, LPARAM lParam);

}  // namespace lock
