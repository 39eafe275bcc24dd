// The feedback event of MainWindow's 标签1: what each hot key does. Each
// notice is shown first; its lock or unlock takes hold once it has closed,
// and a key pressed meanwhile is dispatched inside the notice's loop.
#include "app/main_window.h"
#include "app/self_closing_notice.h"
#include "lock/hotkey_identifiers.h"
#include "lock/hotkeys.h"
#include "lock/mouse_lock.h"

namespace lock {

int HotkeyToggleWindow = 0;
int HotkeyUnlockMouse = 0;
int HotkeyLockMouse = 0;

void OnHotkeyFeedback(app::MainWindow& mainWindow, int identifier, int) {
    try {
        if (IsHotkey(identifier, HotkeyToggleWindow)) mainWindow.SetVisible(!mainWindow.Visible());
        if (IsHotkey(identifier, HotkeyUnlockMouse)) {
            app::ShowNotice("鼠标已解锁", "鼠标解锁");
            UnlockMouse();
            ClipCursor(nullptr);
        }
        if (IsHotkey(identifier, HotkeyLockMouse)) {
            app::ShowNotice("鼠标已锁定", "鼠标锁定");
            LockMouse();
            if (mainWindow.Handle()) {
                const RECT rect = mainWindow.Rect();
                ClipCursorToRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
            }
        }
    } catch (...) {
        // Called from a window procedure: nothing may escape.
    }
}

}  // namespace lock
