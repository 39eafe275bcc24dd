// The note on the desktop: "屏笺" puts it there, hides MainWindow and asks
// whether to lock the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/note_program.h"

namespace e2e {
namespace {

using NoteShowTest = NoteProgramTest;

TEST_F(NoteShowTest, AnswerNoLeavesTheNoteAndTheMouseFree) {
    HWND note = ShowNote(false);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Text(WindowRectOf(note)), Text(kNoteRect));
    EXPECT_EQ(WindowText(note), "");

    // Layered with the white colour key; frameless; no taskbar button.
    const LONG exStyle = GetWindowLongA(note, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(note, &key, &alpha, &flags));
    EXPECT_EQ(key, 0xFFFFFFu);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
    const LONG style = GetWindowLongA(note, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_CHILD));
    HWND owner = GetWindow(note, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    DWORD ownerProcess = 0;
    GetWindowThreadProcessId(owner, &ownerProcess);
    EXPECT_EQ(ownerProcess, program_->Id());
    EXPECT_EQ(GetParent(note), owner);  // owned, not a child

    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen())) << Text(CurrentClip());
    EXPECT_TRUE(Probe().LeftClickArrives());
    EXPECT_TRUE(Probe().RightClickArrives());

    PressHotKey('Q');
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5000));
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_EQ(Text(WindowRectOf(note)), Text(kNoteRect));
}

TEST_F(NoteShowTest, AnswerYesLocksButtonsAndConfinesTheCursorToTheNote) {
    HWND note = ShowNote(true);
    ASSERT_NE(note, nullptr);
    HWND notice = WaitForMessageBox(program_->Id(), "鼠标锁定", 5000);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(BoxText(notice), "鼠标已锁定");
    EXPECT_TRUE(WaitForClip(kNoteRect)) << Text(CurrentClip());
    // Made only now: a window of the driver that existed before would be
    // activated when the question closes, and Wine would drop the clip.
    Probe();

    EXPECT_FALSE(Probe().LeftClickArrives(700));
    EXPECT_FALSE(Probe().RightClickArrives(700));
    EXPECT_TRUE(Probe().MiddleClickArrives());
    EXPECT_TRUE(Probe().WheelArrives());

    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(notice); }, 6000)) << "the notice did not close by itself";
    EXPECT_TRUE(SameRect(CurrentClip(), kNoteRect)) << Text(CurrentClip());
    EXPECT_FALSE(Probe().LeftClickArrives(700));

    PressHotKey('W');
    EXPECT_TRUE(FollowNotice("鼠标解锁", "鼠标已解锁"));
    EXPECT_TRUE(WaitForClip(WholeScreen())) << Text(CurrentClip());
    EXPECT_TRUE(Probe().LeftClickArrives());
    EXPECT_TRUE(Probe().RightClickArrives());
}

}  // namespace
}  // namespace e2e
