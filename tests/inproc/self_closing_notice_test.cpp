// The self-closing notice, shown on the test's own thread: it closes itself
// after three seconds, the caller waits for it, and the thread's timers keep
// being served while it is open.
#include <gtest/gtest.h>

#include <string>

#include "app/self_closing_notice.h"

namespace app {
namespace {

struct Observed {
    int ticks = 0;
    bool sawBox = false;
    std::string text;
    bool hasOk = false;
    bool hasCancel = true;
    bool enabledOwnerless = false;
};
Observed* observed = nullptr;  // the timer procedure's view of the running test

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ++observed->ticks;
    HWND box = FindWindowA("#32770", "鼠标锁定");
    if (!box || observed->sawBox) return;
    observed->sawBox = true;
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    observed->text = text;
    observed->hasOk = GetDlgItem(box, IDOK) != nullptr || GetDlgItem(box, IDCANCEL) != nullptr;
    observed->hasCancel = GetDlgItem(box, IDNO) != nullptr || GetDlgItem(box, IDYES) != nullptr;
    observed->enabledOwnerless = GetWindow(box, GW_OWNER) == nullptr;
}

TEST(SelfClosingNotice, ClosesItselfAfterThreeSecondsWhileTimersRun) {
    Observed seen;
    observed = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, Tick);
    const ULONGLONG start = GetTickCount64();
    const int result = MessageBoxTimeoutA(nullptr, "鼠标已锁定", "鼠标锁定", MB_OK, 0, 3000);
    const ULONGLONG elapsed = GetTickCount64() - start;
    KillTimer(nullptr, timer);
    observed = nullptr;

    EXPECT_EQ(result, kTimedOut);
    EXPECT_GE(elapsed, 2900u);
    EXPECT_LT(elapsed, 10000u);
    EXPECT_GE(seen.ticks, 10);  // the box's own loop served the thread's timer
    EXPECT_TRUE(seen.sawBox);
    EXPECT_EQ(seen.text, "鼠标已锁定");
    EXPECT_TRUE(seen.hasOk);
    EXPECT_FALSE(seen.hasCancel);
    EXPECT_TRUE(seen.enabledOwnerless);
}

void CALLBACK OpenInner(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ShowNotice("鼠标已解锁", "鼠标解锁");  // nested inside the outer notice's loop
    ++observed->ticks;
}

TEST(SelfClosingNotice, NoticeOpenedInsideAnotherClosesOnItsOwnTime) {
    Observed seen;
    observed = &seen;
    SetTimer(nullptr, 0, 500, OpenInner);
    const ULONGLONG start = GetTickCount64();
    ShowNotice("鼠标已锁定", "鼠标锁定");
    const ULONGLONG elapsed = GetTickCount64() - start;
    observed = nullptr;
    EXPECT_EQ(seen.ticks, 1);  // the inner notice ran to its end first
    EXPECT_GE(elapsed, 3400u);  // the inner one began at 0.5 s and held the outer loop
    EXPECT_LT(elapsed, 12000u);
}

}  // namespace
}  // namespace app
