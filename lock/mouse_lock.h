// The mouse lock: a desktop-wide low-level mouse hook and the cursor
// confinement. Releasing the cursor is ClipCursor(nullptr) at each caller.
#pragma once

namespace lock {

void LockMouse(int mode = 0);
void UnlockMouse();
void ClipCursorToRect(int left, int top, int width = 0, int height = 0);

}  // namespace lock
