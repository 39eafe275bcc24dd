// The mouse lock and the hot-key service in the test program: the hook's
// state, the filter's answers, the confinement and the identifiers.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "lock/hotkeys.h"
#include "lock/mouse_lock.h"

namespace lock {
namespace {

void StayAlive() {}

class LockInProcess : public ::testing::Test {
protected:
    void TearDown() override {
        UnlockMouse();
        MouseLockMode = 0;
        ClipCursor(nullptr);
    }
};

TEST_F(LockInProcess, LockMouseReplacesTheHookAndUnlockKeepsTheMode) {
    UnlockMouse();  // before any lock: nothing happens
    EXPECT_FALSE(MouseHookHandle);

    LockMouse();
    ASSERT_TRUE(MouseHookHandle);
    EXPECT_EQ(MouseLockMode, 0);
    HHOOK first = MouseHookHandle.Get();

    LockMouse(1);
    ASSERT_TRUE(MouseHookHandle);
    EXPECT_EQ(MouseLockMode, 1);
    EXPECT_FALSE(UnhookWindowsHookEx(first)) << "the first hook was still installed";

    UnlockMouse();
    EXPECT_FALSE(MouseHookHandle);
    EXPECT_EQ(MouseLockMode, 1);
}

TEST_F(LockInProcess, FilterAnswersByModeAndMessage) {
    MSLLHOOKSTRUCT event{};
    const LPARAM data = reinterpret_cast<LPARAM>(&event);
    MouseLockMode = 0;
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_LBUTTONDOWN, data), 1);
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_RBUTTONUP, data), 1);
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_MOUSEMOVE, data), 0);  // passed on
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_MOUSEWHEEL, data), 0);
    MouseLockMode = 3;
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_MOUSEMOVE, data), 1);
    EXPECT_EQ(MouseHookFilter(HC_ACTION, WM_MBUTTONDOWN, data), 1);
}

TEST_F(LockInProcess, ClipCursorToRectConfinesTheCursor) {
    struct Case {
        int left, top, width, height;
        RECT expected;
    } cases[] = {
        {100, 50, 300, 200, {100, 50, 400, 250}},
        {100, 50, 0, 0, {100, 50, GetSystemMetrics(SM_CXSCREEN) - 100, GetSystemMetrics(SM_CYSCREEN) - 50}},
    };
    for (const Case& c : cases) {
        ClipCursorToRect(c.left, c.top, c.width, c.height);
        RECT clip{};
        GetClipCursor(&clip);
        EXPECT_EQ(clip.left, c.expected.left);
        EXPECT_EQ(clip.top, c.expected.top);
        EXPECT_EQ(clip.right, c.expected.right);
        EXPECT_EQ(clip.bottom, c.expected.bottom);
        ClipCursor(nullptr);
    }
    ClipCursorToRect(100, 50);  // omitted width and height are 0
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_EQ(clip.right, GetSystemMetrics(SM_CXSCREEN) - 100);
}

// Pumps the test thread's messages, so posted hot keys get handled.
void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

TEST(HotkeysInProcess, RegisteredInOrderAndRelayedToTheLabel) {
    app::MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(HotkeyToggleWindow, 33001);
    EXPECT_EQ(HotkeyUnlockMouse, 33002);
    EXPECT_EQ(HotkeyLockMouse, 33003);

    window.Show();
    ASSERT_TRUE(window.Visible());
    PostMessageA(window.Handle(), WM_HOTKEY, 33004, 0);  // never handed out
    Pump();
    EXPECT_TRUE(window.Visible());
    PostMessageA(window.Handle(), WM_HOTKEY, 33001, MAKELPARAM(MOD_ALT, 'Q'));
    Pump();
    EXPECT_FALSE(window.Visible());
    SendMessageA(window.Label(), kFeedbackMessage, 33001, 0);  // the label's own event
    EXPECT_TRUE(window.Visible());
}

TEST(HotkeysInProcess, ARefusedKeyUsesUpItsIdentifier) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'Q'));
    app::MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    UnregisterHotKey(nullptr, 1);
    EXPECT_EQ(HotkeyToggleWindow, 0);
    EXPECT_EQ(HotkeyUnlockMouse, 33002);
    EXPECT_EQ(HotkeyLockMouse, 33003);

    window.Show();
    SendMessageA(window.Label(), kFeedbackMessage, 0, 0);  // a stored 0 matches nothing
    SendMessageA(window.Label(), kFeedbackMessage, 33001, 0);
    EXPECT_TRUE(window.Visible());
}

}  // namespace
}  // namespace lock
