// The global hot keys Alt+Q, Alt+W and Alt+S and their dispatch.
#pragma once
#include <windows.h>

namespace app {
class MainWindow;
}

namespace lock {

// Identifiers of the three keys; 0 when a registration failed.
extern int HotkeyToggleWindow;
extern int HotkeyUnlockMouse;
extern int HotkeyLockMouse;

// The message a feedback target receives for a press: wParam the identifier.
inline constexpr UINT kFeedbackMessage = 0x8075;  // WM_APP + 0x75

// Modifiers: 1 Ctrl, 2 Shift, 4 Alt, added together. Returns the identifier or 0.
int RegisterFeedbackHotKey(HWND window, HWND feedbackTarget, int modifiers, UINT key);

// The feedback event of MainWindow's 标签1.
void OnHotkeyFeedback(app::MainWindow& mainWindow, int identifier, int unused);

}  // namespace lock
