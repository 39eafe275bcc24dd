// NoteWindow hosted in the test program, for what another process cannot
// read: the label's font record, its colour and the font it draws with.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/mul_div.h"
#include "note/note_geometry.h"
#include "note/note_window.h"

namespace note {
namespace {

void StayAlive() {}

class NoteWindowInProcess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(main_.Create()); }
    app::MainWindow main_{GetModuleHandleA(nullptr), StayAlive};
};

TEST_F(NoteWindowInProcess, CreationHandlerTakesTheNoteOverFromTheEditor) {
    NoteWindow note;
    ASSERT_TRUE(note.Create(main_));
    EXPECT_FALSE(IsWindowVisible(note.Handle()));  // the command shows it

    const Origin origin = NoteOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT rect = note.Rect();
    EXPECT_EQ(rect.left, origin.x);
    EXPECT_EQ(rect.top, origin.y);
    EXPECT_EQ(rect.right - rect.left, 635);
    EXPECT_EQ(rect.bottom - rect.top, 86);
    EXPECT_TRUE(GetWindowLongA(note.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);

    RECT label{};
    GetWindowRect(note.Label(), &label);
    EXPECT_EQ(label.right - label.left, 640);
    EXPECT_EQ(label.bottom - label.top, 88);
    EXPECT_EQ(label.left, rect.left);
    EXPECT_EQ(label.top, rect.top);

    EXPECT_EQ(note.LabelText(), "请勿动，暂时离开...");
    EXPECT_EQ(note.LabelTextColour(), 0x0000FFu);
    const auto& record = note.LabelFont().Record();
    ASSERT_TRUE(record.has_value());
    const int dpi = app::ScreenDpi();
    EXPECT_EQ(record->height, -app::MulDiv(app::MulDiv(56, 72, dpi), dpi, 72));  // -56 at 96 dpi
    EXPECT_STREQ(record->faceName, "宋体");
    EXPECT_EQ(record->weight, 700);
    EXPECT_EQ(record->italic, 1);
    EXPECT_EQ(record->underline, 0);
    EXPECT_EQ(record->strikeOut, 0);

    // The label draws with a font made from the record's drawing copy.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(note.Label(), WM_GETFONT, 0, 0));
    LOGFONTA drawn{};
    ASSERT_EQ(GetObjectA(font, sizeof drawn, &drawn), static_cast<int>(sizeof drawn));
    EXPECT_EQ(drawn.lfHeight, record->height);
    EXPECT_EQ(drawn.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(drawn.lfQuality, PROOF_QUALITY);
    EXPECT_STREQ(drawn.lfFaceName, "宋体");
}

TEST_F(NoteWindowInProcess, CopiesTheEditorsChoiceOnceOnly) {
    app::ControlFont& editor = main_.EditorFont();
    editor.SetSize(20);
    editor.SetFaceName("黑体");
    editor.SetBold(false);
    editor.SetItalic(false);
    editor.SetUnderline(true);
    editor.SetStrikeOut(true);
    main_.SetEditorTextColour(0xFF0000);
    main_.SetEditorText("第一行\r\n第二行");

    NoteWindow note;
    ASSERT_TRUE(note.Create(main_));
    EXPECT_EQ(note.LabelText(), "第一行\r\n第二行");
    EXPECT_EQ(note.LabelTextColour(), 0xFF0000u);
    const auto& record = note.LabelFont().Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->height, editor.Record()->height);
    EXPECT_STREQ(record->faceName, "黑体");
    EXPECT_EQ(record->weight, 0);
    EXPECT_EQ(record->italic, 0);
    EXPECT_EQ(record->underline, 1);
    EXPECT_EQ(record->strikeOut, 1);

    // Later changes to the editor do not reach the note.
    main_.SetEditorText("changed");
    main_.SetEditorTextColour(0x00FF00);
    editor.SetSize(40);
    EXPECT_EQ(note.LabelText(), "第一行\r\n第二行");
    EXPECT_EQ(note.LabelTextColour(), 0xFF0000u);
    EXPECT_STREQ(note.LabelFont().Record()->faceName, "黑体");
    EXPECT_NE(note.LabelFont().Record()->height, editor.Record()->height);
}

}  // namespace
}  // namespace note
