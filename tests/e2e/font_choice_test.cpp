// The font choice as the user makes it: the dialog behind "字体选择", what
// the note editor shows afterwards, and which note window takes it over.
#include <gtest/gtest.h>

#include <utility>

#include <algorithm>

#include "support/driver.h"
#include "support/font_dialog_driver.h"
#include "support/main_program.h"
#include "support/note_program.h"

namespace e2e {
namespace {

using font_dialog_detail::kUnderlineBox;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Counts the pixels of one colour in a window's rectangle on the screen, and
// the height of the band they take.
struct ColourBand {
    int count = 0;
    int height = 0;
};

ColourBand BandOf(const RECT& rect, COLORREF colour) {
    const std::vector<COLORREF> pixels = CapturePixels(rect);
    const int width = rect.right - rect.left;
    ColourBand band;
    int top = -1, bottom = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != colour) continue;
        ++band.count;
        const int row = static_cast<int>(i) / width;
        if (top < 0) top = row;
        bottom = row;
    }
    band.height = top < 0 ? 0 : bottom - top + 1;
    return band;
}

class FontChoiceTest : public NoteProgramTest {
protected:
    // "字体选择" is posted: the click handler stays inside the dialog.
    HWND OpenDialog() {
        PostMessageA(Control(kFontButton), BM_CLICK, 0, 0);
        return WaitForTopWindow(program_->Id(), kFontDialogTitle, "#32770", 60000);  // a fresh prefix builds its font cache first
    }

    void Close(HWND dialog, int button) {
        SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    }

    // 宋体, 20 points, bold, underline, blue, confirmed with OK.
    void ChooseBlueSongti() {
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr) << "the font dialog did not open";
        ASSERT_TRUE(ChooseFace(dialog, "宋体")) << "no face 宋体 in the dialog";
        ASSERT_TRUE(ChooseStyle(dialog, true, false));
        ASSERT_TRUE(ChooseSize(dialog, 20));
        ASSERT_TRUE(ChooseColour(dialog, kBlue));
        SetEffect(dialog, kUnderlineBox, true);
        Close(dialog, IDOK);
    }

    RECT EditorClient() const { return ClientRectOnScreen(Control(kEditor)); }
};

TEST_F(FontChoiceTest, CancelOfTheFirstDialogGivesTheInitialSettings) {
    const ColourBand before = BandOf(EditorClient(), kRed);
    ASSERT_GT(before.height, 40) << "the note starts in its 56-pixel font";

    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const FontDialogState offered = ReadFontDialog(dialog);
    EXPECT_EQ(offered.colour, kRed);
    EXPECT_FALSE(offered.underline);
    EXPECT_FALSE(offered.strikeOut);
    Close(dialog, IDCANCEL);

    // 宋体 at the mapper's default height: small red text, no longer 56 pixels.
    ColourBand after;
    EXPECT_TRUE(WaitUntil([&] {
        after = BandOf(EditorClient(), kRed);
        return after.count > 0 && after.height < 30;
    }, 5000)) << "red pixels " << after.count << ", band " << after.height;
    EXPECT_EQ(BandOf(EditorClient(), kBlue).count, 0);
}

TEST_F(FontChoiceTest, ConfirmedChoiceIsShownAndOfferedAgain) {
    ChooseBlueSongti();
    ColourBand blue;
    EXPECT_TRUE(WaitUntil([&] { return (blue = BandOf(EditorClient(), kBlue)).count > 100; }, 5000));
    EXPECT_EQ(BandOf(EditorClient(), kRed).count, 0);
    EXPECT_LT(blue.height, 120);  // 20-point text, not the 56-pixel start font

    // The next opening starts with exactly this choice; Cancel keeps it.
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const FontDialogState offered = ReadFontDialog(dialog);
    EXPECT_EQ(offered.face, "宋体");
    EXPECT_TRUE(offered.bold);
    EXPECT_FALSE(offered.italic);
    EXPECT_EQ(offered.size, 20);
    EXPECT_TRUE(offered.underline);
    EXPECT_FALSE(offered.strikeOut);
    EXPECT_EQ(offered.colour, kBlue);
    Close(dialog, IDCANCEL);
    Sleep(300);  // a repaint after Cancel must not bring anything else back
    EXPECT_EQ(BandOf(EditorClient(), kRed).count, 0);
    EXPECT_GT(BandOf(EditorClient(), kBlue).count, 100);
}

TEST_F(FontChoiceTest, NoteOpenedAfterwardsShowsTheChoice) {
    ChooseBlueSongti();
    HWND note = ShowNote(false);
    ASSERT_NE(note, nullptr);
    const RECT rect = WindowRectOf(note);
    EXPECT_TRUE(WaitUntil([&] { return BandOf(rect, kBlue).count > 100; }, 5000));
    EXPECT_EQ(BandOf(rect, kRed).count, 0);
}

TEST_F(FontChoiceTest, NoteOpenedBeforeKeepsItsLook) {
    HWND note = ShowNote(false);
    ASSERT_NE(note, nullptr);
    const RECT rect = WindowRectOf(note);
    // Boxes that stood over the note have gone; wait until it is whole again.
    const auto settledRed = [&] {
        int last = -1, now = BandOf(rect, kRed).count;
        WaitUntil([&] {
            Sleep(250);
            last = std::exchange(now, BandOf(rect, kRed).count);
            return now == last && now > 100;
        }, 5000);
        return now;
    };
    const int redBefore = settledRed();
    ASSERT_GT(redBefore, 100);

    ChooseBlueSongti();  // the button works while MainWindow is hidden
    EXPECT_EQ(settledRed(), redBefore);
    EXPECT_EQ(BandOf(rect, kBlue).count, 0);
}

}  // namespace
}  // namespace e2e
