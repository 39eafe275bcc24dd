// MainWindow hosted in the test program, for what another process cannot
// read: the editor's font record, the menu's texts, the current directory.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/note_menu.h"
#include "app/own_directory.h"

namespace app {
namespace {

void StayAlive() {}

TEST(MainWindowInProcess, EditorStartsWithTheBoldItalicRecord) {
    MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    const auto& record = window.EditorFont().Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->height, -56);
    EXPECT_EQ(record->weight, 700);
    EXPECT_EQ(record->italic, 1);
    EXPECT_EQ(record->charSet, 134);
    EXPECT_EQ(record->faceName[0], '\0');
    EXPECT_EQ(window.EditorTextColour(), 0x0000FFu);

    // The editor draws with a font made from the record's drawing copy.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window.Editor(), WM_GETFONT, 0, 0));
    LOGFONTA drawn{};
    ASSERT_EQ(GetObjectA(font, sizeof drawn, &drawn), static_cast<int>(sizeof drawn));
    EXPECT_EQ(drawn.lfHeight, -56);
    EXPECT_EQ(drawn.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(drawn.lfQuality, PROOF_QUALITY);
}

TEST(MainWindowInProcess, ClassCarriesIconsAndButtonFaceBackground) {
    MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    EXPECT_NE(GetClassLongPtrA(window.Handle(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrA(window.Handle(), GCLP_HICONSM), 0);
    EXPECT_EQ(GetClassLongPtrA(window.Handle(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST(MainWindowInProcess, FieldWritesKeepTheOtherFields) {
    MainWindow window(GetModuleHandleA(nullptr), StayAlive);
    ASSERT_TRUE(window.Create());
    ControlFont& font = window.EditorFont();
    font.SetFaceName("");
    EXPECT_EQ(font.FaceName(), "宋体");
    font.SetUnderline(true);
    EXPECT_TRUE(font.Bold());
    EXPECT_TRUE(font.Italic());
    EXPECT_TRUE(font.Underline());
    EXPECT_EQ(font.Record()->height, -56);
}

TEST(MainWindowInProcess, ContextMenuHoldsItsItemsInOrder) {
    UniqueMenu menu = CreateNoteMenu();
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 3);
    char text[64];
    GetMenuStringA(menu.Get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "升级");
    HMENU upgrade = GetSubMenu(menu.Get(), 0);
    ASSERT_NE(upgrade, nullptr);
    ASSERT_EQ(GetMenuItemCount(upgrade), 1);
    GetMenuStringA(upgrade, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "检测升级");
    EXPECT_EQ(GetMenuItemID(upgrade, 0), static_cast<UINT>(kCmdCheckForUpdate));
    GetMenuStringA(menu.Get(), 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "帮助信息");
    GetMenuStringA(menu.Get(), 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "关于");
    for (int i = 0; i < 3; ++i) {
        const UINT state = GetMenuState(menu.Get(), static_cast<UINT>(i), MF_BYPOSITION);
        EXPECT_FALSE(state & (MF_CHECKED | MF_DISABLED | MF_GRAYED)) << i;
    }
}

TEST(MainWindowInProcess, StartUpMakesTheProgramsOwnFolderCurrent) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string expected(module);
    expected.resize(expected.rfind('\\'));

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    MakeOwnDirectoryCurrent();
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STRCASEEQ(current, expected.c_str());
}

}  // namespace
}  // namespace app
