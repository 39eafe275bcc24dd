// ChooseNoteFont with MainWindow hosted in the test program: a second thread
// works the font dialog as the user would, and the editor's font record and
// the font it draws with are read directly.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "app/font_choice.h"
#include "app/main_window.h"
#include "tests/e2e/support/font_dialog_driver.h"

namespace app {
namespace {

void StayAlive() {}

// Runs ChooseNoteFont on this thread while work drives the dialog from
// another; the dialog is closed with Cancel should work leave it open. False
// when the dialog did not come or work failed. The first dialog of a fresh
// Wine prefix waits for the font cache, hence the long wait.
bool ChooseWith(MainWindow& window, const std::function<bool(HWND dialog)>& work) {
    bool ok = false;
    std::thread driver([&] {
        HWND dialog = nullptr;
        const ULONGLONG deadline = GetTickCount64() + 60000;
        while (!dialog && GetTickCount64() < deadline) {
            Sleep(20);
            dialog = FindWindowA("#32770", e2e::kFontDialogTitle);
            if (dialog && !IsWindowVisible(dialog)) dialog = nullptr;  // still being filled
        }
        if (!dialog) return;
        ok = work(dialog);
        if (IsWindow(dialog)) SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    ChooseNoteFont(window);
    driver.join();
    return ok;
}

LOGFONTA DrawnFont(const MainWindow& window) {
    LOGFONTA drawn{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.Editor(), WM_GETFONT, 0, 0)), sizeof drawn, &drawn);
    return drawn;
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(FontChoiceInProcess, CancelOfTheFirstDialogCopiesTheInitialSettings) {
    MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    ASSERT_TRUE(ChooseWith(window, [](HWND dialog) {
        Click(dialog, IDCANCEL);
        return true;
    }));

    const auto& record = window.EditorFont().Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->height, 0);
    EXPECT_EQ(record->weight, 0);
    EXPECT_EQ(record->italic, 0);
    EXPECT_EQ(record->underline, 0);
    EXPECT_EQ(record->strikeOut, 0);
    EXPECT_STREQ(record->faceName, "宋体");
    EXPECT_EQ(record->charSet, 134);  // untouched by the field writes
    EXPECT_EQ(window.EditorTextColour(), 0x0000FFu);
    EXPECT_EQ(DrawnFont(window).lfHeight, 0);
    EXPECT_STREQ(DrawnFont(window).lfFaceName, "宋体");

    const FontDialog& settings = window.FontDialogComponent();
    EXPECT_EQ(settings.size, 0);
    EXPECT_EQ(settings.faceName, "");
    EXPECT_EQ(settings.colour, 0x0000FFu);
}

TEST(FontChoiceInProcess, ConfirmedChoiceReachesTheEditorAndIsKeptOnCancel) {
    MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    ASSERT_EQ(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY), 96);

    ASSERT_TRUE(ChooseWith(window, [](HWND dialog) {
        if (!e2e::ChooseFace(dialog, "宋体") || !e2e::ChooseStyle(dialog, true, false) ||
            !e2e::ChooseSize(dialog, 20) || !e2e::ChooseColour(dialog, RGB(0, 0, 255)))
            return false;
        e2e::SetEffect(dialog, e2e::font_dialog_detail::kUnderlineBox, true);
        Click(dialog, IDOK);
        return true;
    }));
    auto expectChoice = [&] {
        const auto& record = window.EditorFont().Record();
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->height, -27);
        EXPECT_EQ(record->weight, 700);
        EXPECT_EQ(record->underline, 1);
        EXPECT_EQ(record->italic, 0);
        EXPECT_EQ(record->strikeOut, 0);
        EXPECT_STREQ(record->faceName, "宋体");
        EXPECT_EQ(window.EditorTextColour(), RGB(0, 0, 255));
        const LOGFONTA drawn = DrawnFont(window);
        EXPECT_EQ(drawn.lfHeight, -27);
        EXPECT_EQ(drawn.lfWeight, 700);
        EXPECT_EQ(drawn.lfUnderline, 1);
        EXPECT_STREQ(drawn.lfFaceName, "宋体");
    };
    expectChoice();

    // The next opening starts with exactly this choice; Cancel keeps it.
    e2e::FontDialogState offered;
    ASSERT_TRUE(ChooseWith(window, [&](HWND dialog) {
        offered = e2e::ReadFontDialog(dialog);
        Click(dialog, IDCANCEL);
        return true;
    }));
    EXPECT_EQ(offered.face, "宋体");
    EXPECT_TRUE(offered.bold);
    EXPECT_FALSE(offered.italic);
    EXPECT_EQ(offered.size, 20);
    EXPECT_TRUE(offered.underline);
    EXPECT_FALSE(offered.strikeOut);
    EXPECT_EQ(offered.colour, RGB(0, 0, 255));
    expectChoice();
}

}  // namespace
}  // namespace app
