// The program always gives the mouse back: on Alt+F4 its destruction handler
// unlocks and frees the cursor; when it is killed, the system drops the hook
// with its thread.
#include <gtest/gtest.h>

#include "support/note_program.h"

namespace e2e {
namespace {

using LockShutdownTest = NoteProgramTest;

TEST_F(LockShutdownTest, AltF4WhileLockedFreesTheMouseAndEndsWithZero) {
    HWND note = ShowNote(true);
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    PressHotKey('Q');
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5000));
    ASSERT_TRUE(WaitForClip(kNoteRect)) << Text(CurrentClip());
    ASSERT_TRUE(BringToFront(main_));

    PressKeys({VK_MENU, VK_F4});
    DWORD exitCode = 1;
    ASSERT_TRUE(program_->WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(main_));
    EXPECT_FALSE(IsWindow(note));
    EXPECT_TRUE(WaitForClip(WholeScreen())) << Text(CurrentClip());
    EXPECT_TRUE(Probe().LeftClickArrives());
    EXPECT_TRUE(Probe().RightClickArrives());
}

TEST_F(LockShutdownTest, KilledWhileLockedTheClicksArriveAgain) {
    ASSERT_NE(ShowNote(true), nullptr);
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    ASSERT_TRUE(WaitForClip(kNoteRect)) << Text(CurrentClip());
    ASSERT_FALSE(Probe().LeftClickArrives(700)) << "the lock was not in force";

    program_->Kill();
    ASSERT_FALSE(program_->Running());
    EXPECT_TRUE(Probe().LeftClickArrives(3000));
    EXPECT_TRUE(Probe().RightClickArrives(3000));
}

}  // namespace
}  // namespace e2e
