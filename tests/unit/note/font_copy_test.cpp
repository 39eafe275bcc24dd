#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/font_record.h"
#include "note/font_copy.h"

namespace note {
namespace {

// A ControlFont stand-in over a record, with the same six field rules, that
// also notes the order of the writes.
struct RecordFont {
    app::FontRecord record;
    int dpi;
    std::vector<std::string>* writes = nullptr;

    int Size() const { return app::ReadSize(record, dpi); }
    std::string FaceName() const { return app::ReadFaceName(record); }
    bool Bold() const { return app::ReadBold(record); }
    bool Italic() const { return app::ReadItalic(record); }
    bool StrikeOut() const { return app::ReadStrikeOut(record); }
    bool Underline() const { return app::ReadUnderline(record); }

    void Note(const char* field) {
        if (writes) writes->push_back(field);
    }
    void SetSize(int points) { Note("size"), app::WriteSize(record, points, dpi); }
    void SetFaceName(std::string_view name) { Note("face"), app::WriteFaceName(record, name); }
    void SetBold(bool value) { Note("bold"), app::WriteBold(record, value); }
    void SetItalic(bool value) { Note("italic"), app::WriteItalic(record, value); }
    void SetStrikeOut(bool value) { Note("strike"), app::WriteStrikeOut(record, value); }
    void SetUnderline(bool value) { Note("underline"), app::WriteUnderline(record, value); }
};

// What a label without a font of its own starts from (DEFAULT_GUI_FONT).
app::FontRecord GuiFont() {
    app::FontRecord font;
    font.height = -11;
    font.weight = 400;
    font.charSet = 1;
    app::WriteFaceName(font, "MS Shell Dlg");
    return font;
}

TEST(CopyFontFields, InitialEditorFontAtTwoResolutions) {
    struct Case {
        int dpi;
        int height;
    } cases[] = {{96, -56}, {120, -57}};  // at 120 dpi 56 pixels read as 34 points, written as 57 pixels
    for (const Case& c : cases) {
        const RecordFont editor{app::InitialEditorFont(), c.dpi};
        RecordFont label{GuiFont(), c.dpi};
        CopyFontFields(editor, label);
        EXPECT_EQ(label.record.height, c.height) << c.dpi;
        EXPECT_STREQ(label.record.faceName, "宋体");  // the editor's empty face name
        EXPECT_EQ(label.record.weight, 700);
        EXPECT_EQ(label.record.italic, 1);
        EXPECT_EQ(label.record.strikeOut, 0);
        EXPECT_EQ(label.record.underline, 0);
        EXPECT_EQ(label.record.charSet, 1);  // not a field: the label keeps its own
    }
}

TEST(CopyFontFields, EveryFieldInOrderAndStylesSwitchedOff) {
    app::FontRecord chosen;
    chosen.height = -27;
    chosen.weight = 400;
    chosen.strikeOut = 1;
    chosen.underline = 1;
    app::WriteFaceName(chosen, "黑体");
    app::FontRecord before = GuiFont();
    before.weight = 700;
    before.italic = 1;

    std::vector<std::string> writes;
    const RecordFont editor{chosen, 96};
    RecordFont label{before, 96, &writes};
    CopyFontFields(editor, label);
    EXPECT_EQ(writes, (std::vector<std::string>{"size", "face", "bold", "italic", "strike", "underline"}));
    EXPECT_EQ(label.record.height, -27);
    EXPECT_STREQ(label.record.faceName, "黑体");
    EXPECT_EQ(label.record.weight, 0);  // a false bold writes 0
    EXPECT_EQ(label.record.italic, 0);
    EXPECT_EQ(label.record.strikeOut, 1);
    EXPECT_EQ(label.record.underline, 1);
}

}  // namespace
}  // namespace note
