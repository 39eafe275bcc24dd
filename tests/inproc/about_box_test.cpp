// The About handler and its timer with MainWindow hosted in the test program:
// the box closes itself, and a box closed early stops the timer.
#include <gtest/gtest.h>

#include <thread>

#include "about/about_box.h"
#include "about/about_countdown.h"
#include "app/main_window.h"

namespace about {
namespace {

void StayAlive() {}

// Serves this thread's messages (the timer ticks) until done or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    return true;
}

std::string ItemText(HWND box) {
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

TEST(AboutBoxInProcess, BoxLeftAloneClosesAndTheTimerStops) {
    app::MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(AboutCountdown, 6);
    EXPECT_EQ(window.AboutTimer().Period(), 0u);

    const ULONGLONG start = GetTickCount64();
    ShowAboutBox(window);  // returns once the countdown has closed the box
    const ULONGLONG open = GetTickCount64() - start;
    EXPECT_GE(open, 5000u);
    EXPECT_LE(open, 9000u);
    EXPECT_EQ(window.AboutTimer().Period(), 0u);
    EXPECT_EQ(AboutCountdown, 6);
    EXPECT_EQ(FindWindowA(nullptr, kAboutTitle), nullptr);
}

TEST(AboutBoxInProcess, BoxClosedAfterThreeStopsTheTimerWithinASecond) {
    app::MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());

    std::string textWhenClosed;
    std::thread user([&] {
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (GetTickCount64() < deadline) {
            HWND box = FindWindowA("#32770", kAboutTitle);
            if (box && ItemText(box).rfind("青石客   (3)", 0) == 0) {
                textWhenClosed = ItemText(box);
                SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                return;
            }
            Sleep(20);
        }
    });
    ShowAboutBox(window);
    user.join();
    EXPECT_EQ(textWhenClosed, CountdownText(3));
    EXPECT_EQ(AboutCountdown, 3);  // nothing has ticked since
    EXPECT_EQ(window.AboutTimer().Period(), kTickMilliseconds);

    EXPECT_TRUE(PumpUntil([&] { return window.AboutTimer().Period() == 0; }, 1500));
    EXPECT_EQ(AboutCountdown, 6);
}

}  // namespace
}  // namespace about
