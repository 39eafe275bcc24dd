// Pressing "屏笺" again: the existing note is only brought forward. It keeps
// where the user dragged it and the text it was made with.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/note_program.h"

namespace e2e {
namespace {

using NoteAgainTest = NoteProgramTest;

// A point of the note's text well inside a stroke: red all around.
POINT SolidTextPoint() {
    std::vector<COLORREF> pixels;
    WaitUntil([&] {
        pixels = CapturePixels(kNoteRect);
        return std::count(pixels.begin(), pixels.end(), RGB(255, 0, 0)) > 300;
    }, 5000);
    const int width = kNoteRect.right - kNoteRect.left;
    const int height = kNoteRect.bottom - kNoteRect.top;
    auto red = [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x] == RGB(255, 0, 0); };
    for (int y = 3; y < height - 3; ++y)
        for (int x = 3; x < width - 3; ++x) {
            bool solid = true;
            for (int dy = -3; dy <= 3 && solid; ++dy)
                for (int dx = -3; dx <= 3 && solid; ++dx) solid = red(x + dx, y + dy);
            if (solid) return {kNoteRect.left + x, kNoteRect.top + y};
        }
    return {-1, -1};
}

BOOL CALLBACK CountNotes(HWND window, LPARAM count) {
    if (ClassOf(window) == kNoteClass) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(NoteAgainTest, DraggedNoteIsWhereTheCursorIsConfinedNextTime) {
    HWND note = ShowNote(false);
    ASSERT_NE(note, nullptr);
    HWND label = GetWindow(note, GW_CHILD);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(WindowText(label), "请勿动，暂时离开...");

    // A press on the note's text drags it; its white pixels are transparent
    // to the mouse as well, so the press must hit a red one.
    const POINT text = SolidTextPoint();
    ASSERT_GE(text.x, 0) << "no text on the note";
    XDrag(text.x, text.y, text.x + 100, text.y + 100);
    RECT moved{};
    ASSERT_TRUE(WaitUntil([&] {
        moved = WindowRectOf(note);
        return moved.left != kNoteRect.left;
    }, 5000)) << "the note did not move";
    EXPECT_EQ(moved.left, kNoteRect.left + 100);
    EXPECT_EQ(moved.top, kNoteRect.top + 100);
    EXPECT_EQ(moved.right - moved.left, 635);
    EXPECT_EQ(moved.bottom - moved.top, 86);

    PressHotKey('Q');
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5000));
    SetWindowTextA(Control(kEditor), "changed note");

    HWND box = PressNoteButton();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_EQ(BoxText(box), "是否锁定鼠标？");
    SendMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    ASSERT_TRUE(FollowNotice("鼠标锁定", "鼠标已锁定"));
    EXPECT_TRUE(WaitForClip(WindowRectOf(note))) << Text(CurrentClip()) << " vs " << Text(WindowRectOf(note));
    EXPECT_TRUE(SameRect(WindowRectOf(note), moved));

    // Still the one note, with its first text.
    EXPECT_EQ(GetWindow(note, GW_CHILD), label);
    EXPECT_EQ(WindowText(label), "请勿动，暂时离开...");
    int notes = 0;
    EnumWindows(CountNotes, reinterpret_cast<LPARAM>(&notes));
    EXPECT_EQ(notes, 1);
}

}  // namespace
}  // namespace e2e
