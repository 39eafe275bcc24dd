// The hot keys from outside: Alt+S locks to MainWindow's rectangle, Alt+W
// unlocks, Alt+Q shows and hides MainWindow; each notice comes before its
// lock or unlock, and a key pressed while a notice is open is handled at once.
#include <gtest/gtest.h>

#include "support/note_program.h"

namespace e2e {
namespace {

using HotkeyLockTest = NoteProgramTest;

TEST_F(HotkeyLockTest, AltSWhileMainWindowIsHiddenConfinesToItsRectangle) {
    ASSERT_NE(ShowNote(false), nullptr);
    ASSERT_FALSE(IsWindowVisible(main_));

    PressHotKey('S');
    HWND notice = WaitForMessageBox(program_->Id(), "鼠标锁定", 5000);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(BoxText(notice), "鼠标已锁定");
    // The lock takes hold only once the notice has closed.
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen())) << Text(CurrentClip());
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }, 6000));
    EXPECT_TRUE(WaitForClip(kMainRect)) << Text(CurrentClip());
    EXPECT_FALSE(IsWindowVisible(main_));

    Probe().Reset();
    EXPECT_FALSE(Probe().LeftClickArrives(700)) << "Alt+S did not lock the buttons";
    EXPECT_TRUE(Probe().WheelArrives());
}

TEST_F(HotkeyLockTest, AltSWhileLockedToTheNoteMovesTheConfinementToMainWindow) {
    ASSERT_NE(ShowNote(true), nullptr);
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    ASSERT_TRUE(WaitForClip(kNoteRect)) << Text(CurrentClip());

    PressHotKey('S');
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    EXPECT_TRUE(WaitForClip(kMainRect)) << Text(CurrentClip());
    EXPECT_FALSE(Probe().LeftClickArrives(700));

    PressHotKey('W');
    ASSERT_TRUE(FollowNotice("鼠标解锁", "鼠标已解锁"));
    EXPECT_TRUE(WaitForClip(WholeScreen())) << Text(CurrentClip());
    EXPECT_TRUE(Probe().LeftClickArrives());
}

TEST_F(HotkeyLockTest, AltQTwiceRestoresTheFormerState) {
    for (bool visibleAtStart : {true, false}) {
        SCOPED_TRACE(visibleAtStart ? "shown" : "hidden");
        ASSERT_EQ(IsWindowVisible(main_) != FALSE, visibleAtStart);
        PressHotKey('Q');
        ASSERT_TRUE(WaitUntil([&] { return (IsWindowVisible(main_) != FALSE) != visibleAtStart; }, 5000));
        PressHotKey('Q');
        ASSERT_TRUE(WaitUntil([&] { return (IsWindowVisible(main_) != FALSE) == visibleAtStart; }, 5000));
        if (visibleAtStart) {
            ASSERT_NE(ShowNote(false), nullptr);  // hides MainWindow for the second round
        }
    }
    // The hidden label that hears of the keys is never shown.
    EXPECT_FALSE(IsWindowVisible(Control(kLabel)));
    EXPECT_EQ(FindTopWindow(program_->Id(), "", "#32770"), nullptr);  // Alt+Q shows no notice
}

TEST_F(HotkeyLockTest, AltWWhileTheAltSNoticeIsOpenIsHandledInsideIt) {
    PressHotKey('S');
    HWND lockNotice = WaitForMessageBox(program_->Id(), "鼠标锁定", 5000);
    ASSERT_NE(lockNotice, nullptr);
    PressHotKey('W');
    HWND unlockNotice = WaitForMessageBox(program_->Id(), "鼠标解锁", 5000);
    ASSERT_NE(unlockNotice, nullptr);
    EXPECT_TRUE(IsWindow(lockNotice));  // nested: the first notice is still open

    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(unlockNotice) && !IsWindow(lockNotice); }, 10000));
    // The unlock ran first, inside; the lock came after it and holds.
    EXPECT_TRUE(WaitForClip(kMainRect)) << Text(CurrentClip());
    EXPECT_FALSE(Probe().LeftClickArrives(700));
}

TEST_F(HotkeyLockTest, AltWWhenNothingIsLockedStillShowsItsNotice) {
    PressHotKey('W');
    DWORD openMs = 0;
    ASSERT_TRUE(FollowNotice("鼠标解锁", "鼠标已解锁", &openMs));
    EXPECT_GE(openMs, 2500u);
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen())) << Text(CurrentClip());
    EXPECT_TRUE(IsWindowVisible(main_));
}

}  // namespace
}  // namespace e2e
