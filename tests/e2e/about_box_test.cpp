// The About box: its countdown from (5) to (0), closing itself, the reset
// after an early close, and the ticks acting on any window of its title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/driver.h"
#include "support/main_program.h"
#include "support/stand_in_window.h"

namespace e2e {
namespace {

constexpr char kAboutTitle[] = "关于作者";
constexpr char kAlias[] = "青石客";
constexpr char kQqLine[] = "\r\n\r\n QQ：";

std::string Countdown(int count) { return std::string(kAlias) + "   (" + std::to_string(count) + ")"; }

// The number at the end of the opening text.
std::string QqNumberOf(const std::string& text) {
    const std::size_t at = text.find(kQqLine);
    return at == std::string::npos ? "" : text.substr(at + sizeof kQqLine - 1);
}

class AboutBoxTest : public MainProgramTest {
protected:
    // Right click in the note, then the third item "关于".
    HWND OpenAbout() {
        const POINT at = CentreOf(Control(kEditor));
        Click(at.x, at.y, true);
        if (!WaitUntil([] { return !VisibleMenus().empty(); }, 5000)) return nullptr;
        PressKey(VK_DOWN);  // 升级
        PressKey(VK_DOWN);  // 帮助信息
        PressKey(VK_DOWN);  // 关于
        PressKey(VK_RETURN);
        return WaitForMessageBox(program_->Id(), kAboutTitle);
    }

    // The box's distinct texts, with the milliseconds since start when each
    // was first seen, until the box is gone or the time is up.
    struct Seen {
        std::string text;
        ULONGLONG at;
    };
    std::vector<Seen> Watch(HWND box, ULONGLONG start, DWORD milliseconds, const std::string& stopAt = "") {
        std::vector<Seen> seen;
        WaitUntil([&] {
            if (!IsWindow(box)) return true;
            const std::string text = BoxText(box);
            if (!text.empty() && (seen.empty() || seen.back().text != text))
                seen.push_back({text, GetTickCount64() - start});
            return !stopAt.empty() && text.rfind(stopAt, 0) == 0;
        }, milliseconds);
        return seen;
    }
};

TEST_F(AboutBoxTest, BoxCountsDownFromFiveAndClosesItself) {
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    const ULONGLONG opened = GetTickCount64();
    const std::string first = BoxText(box);
    EXPECT_EQ(first.rfind(std::string(kAlias) + kQqLine, 0), 0u) << first;  // no number yet
    const std::string qq = QqNumberOf(first);
    EXPECT_GE(qq.size(), 5u);
    EXPECT_EQ(qq.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);

    const std::vector<Seen> seen = Watch(box, opened, 12000);
    EXPECT_FALSE(IsWindow(box)) << "the box did not close by itself";
    const ULONGLONG closedAfter = GetTickCount64() - opened;
    EXPECT_GE(closedAfter, 5000u);
    EXPECT_LE(closedAfter, 9000u);

    // (5) about a second after opening, then each number in turn; (0) shows
    // for an instant only, so it need not be seen.
    std::vector<std::string> counts;
    for (const Seen& s : seen) {
        if (s.text == first) continue;
        EXPECT_EQ(QqNumberOf(s.text), qq);
        counts.push_back(s.text.substr(0, s.text.find('\r')));
    }
    ASSERT_GE(counts.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(counts[static_cast<std::size_t>(i)], Countdown(5 - i));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_GE(seen[1].at, 500u);
    EXPECT_LE(seen[1].at, 2500u);
}

TEST_F(AboutBoxTest, ClosedByHandTheCountStopsAndStartsAgainAtFive) {
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    const ULONGLONG opened = GetTickCount64();
    Watch(box, opened, 6000, Countdown(3));
    ASSERT_EQ(BoxText(box).rfind(Countdown(3), 0), 0u) << BoxText(box);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));

    // Within a second the timer has stopped: a window of the title that
    // appears afterwards is left alone.
    Sleep(1500);
    {
        StandInWindow standIn(kAboutTitle, "unchanged", true);
        ASSERT_NE(standIn.Handle(), nullptr);
        Sleep(2500);
        EXPECT_TRUE(standIn.Texts().empty());
    }

    box = OpenAbout();
    ASSERT_NE(box, nullptr);
    const std::vector<Seen> seen = Watch(box, GetTickCount64(), 4000, Countdown(4));
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[1].text.rfind(Countdown(5), 0), 0u) << seen[1].text;
    EXPECT_EQ(seen[2].text.rfind(Countdown(4), 0), 0u) << seen[2].text;
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));
}

TEST_F(AboutBoxTest, TicksActOnAnotherProgramsWindowOfTheTitle) {
    // Always on top, the driver's window is the first FindWindowA meets.
    StandInWindow standIn(kAboutTitle, "another program", true);
    ASSERT_NE(standIn.Handle(), nullptr);
    HWND box = OpenAbout();
    ASSERT_NE(box, nullptr);
    const std::string opening = BoxText(box);

    ASSERT_TRUE(WaitUntil([&] { return standIn.Texts().size() >= 6; }, 10000)) << "the countdown did not reach the window";
    Sleep(1500);  // a seventh tick, were there one, would come by now
    const std::vector<std::string> texts = standIn.Texts();
    ASSERT_EQ(texts.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].rfind(Countdown(5 - i) + kQqLine, 0), 0u)
            << texts[static_cast<std::size_t>(i)];
    }
    // Keys the driver typed carry a scan code in lParam; the posted one does not.
    std::vector<StandInWindow::Key> keys;
    for (const StandInWindow::Key& key : standIn.Keys())
        if (key.lParam == 0) keys.push_back(key);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_EQ(keys[0].lParam, 0);

    // The program's own box was not counted down and stays open.
    EXPECT_TRUE(IsWindow(box));
    EXPECT_EQ(BoxText(box), opening);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));
}

}  // namespace
}  // namespace e2e
