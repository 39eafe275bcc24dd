// Another process already holds Alt+Q: that key does nothing, and Alt+W and
// Alt+S keep the identifiers 33002 and 33003, since the refused attempt used
// up 33001.
#include <gtest/gtest.h>

#include "support/note_program.h"

namespace e2e {
namespace {

constexpr int kDriversHotkey = 0x0BAD;

class HotkeyTakenTest : public NoteProgramTest {
protected:
    void SetUp() override {
        KillStrayProcesses({kMainExe});
        ASSERT_TRUE(RegisterHotKey(nullptr, kDriversHotkey, MOD_ALT, 'Q'));
        NoteProgramTest::SetUp();
    }
    void TearDown() override {
        NoteProgramTest::TearDown();
        UnregisterHotKey(nullptr, kDriversHotkey);
    }
    // The driver's own WM_HOTKEY for Alt+Q lands in its queue; take it out.
    bool DriverGotAltQ() {
        MSG message;
        bool got = false;
        while (PeekMessageA(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
            got = got || message.wParam == kDriversHotkey;
        return got;
    }
};

TEST_F(HotkeyTakenTest, AltWAndAltSStillWork) {
    PressHotKey('Q');
    EXPECT_TRUE(WaitUntil([&] { return DriverGotAltQ(); }, 3000));
    EXPECT_TRUE(IsWindowVisible(main_)) << "Alt+Q belongs to the driver";

    PressHotKey('S');
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    EXPECT_TRUE(WaitForClip(kMainRect)) << Text(CurrentClip());

    PressHotKey('W');
    ASSERT_TRUE(FollowNotice("鼠标解锁", "鼠标已解锁"));
    EXPECT_TRUE(WaitForClip(WholeScreen())) << Text(CurrentClip());
}

TEST_F(HotkeyTakenTest, IdentifiersAre33002And33003) {
    // WM_HOTKEY as the system would post it: 33001 is within the service's
    // range but stands for no key; 33004 was never handed out.
    for (WPARAM nothing : {WPARAM{33001}, WPARAM{33004}, WPARAM{0}}) {
        PostMessageA(main_, WM_HOTKEY, nothing, 0);
        Sleep(300);
        EXPECT_EQ(FindTopWindow(program_->Id(), "", "#32770"), nullptr) << nothing;
        EXPECT_TRUE(IsWindowVisible(main_)) << nothing;
    }
    PostMessageA(main_, WM_HOTKEY, 33002, MAKELPARAM(MOD_ALT, 'W'));
    EXPECT_TRUE(FollowNotice("鼠标解锁", "鼠标已解锁"));
    PostMessageA(main_, WM_HOTKEY, 33003, MAKELPARAM(MOD_ALT, 'S'));
    EXPECT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    EXPECT_TRUE(WaitForClip(kMainRect)) << Text(CurrentClip());
}

}  // namespace
}  // namespace e2e
