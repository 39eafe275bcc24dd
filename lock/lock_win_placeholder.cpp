#include "app/main_window.h"
#include "lock/hotkeys.h"
#include "lock/mouse_lock.h"

namespace lock {

int HotkeyToggleWindow = 0;
int HotkeyUnlockMouse = 0;
int HotkeyLockMouse = 0;

int RegisterFeedbackHotKey(HWND, HWND, int, UINT) { return 0; }
void OnHotkeyFeedback(app::MainWindow&, int, int) {}
void LockMouse(int) {}
void UnlockMouse() {}
void ClipCursorToRect(int, int, int, int) {}

}  // namespace lock
