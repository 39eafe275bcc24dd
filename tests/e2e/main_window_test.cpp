// MainWindow as the user meets it: its look, its menu, its questions, the
// keyboard, dragging and closing.
#include <gtest/gtest.h>

#include "support/driver.h"
#include "support/main_program.h"
#include "support/stand_in_window.h"

namespace e2e {
namespace {

using MainWindowTest = MainProgramTest;

TEST_F(MainWindowTest, WindowStandsCentredWithTheGivenFrame) {
    EXPECT_EQ(WindowText(main_), kMainTitle);
    const RECT rect = WindowRectOf(main_);
    EXPECT_EQ(rect.left, 797);
    EXPECT_EQ(rect.top, 417);
    EXPECT_EQ(rect.right, 1122);
    EXPECT_EQ(rect.bottom, 663);

    const LONG style = GetWindowLongA(main_, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(main_, GW_OWNER), nullptr);  // unowned: its own taskbar button
}

TEST_F(MainWindowTest, ControlsStandWhereTheFormPutsThem) {
    struct Expected {
        int id;
        const char* className;
        const char* text;
        RECT rect;  // client coordinates
        bool visible;
        bool tabStop;
    } controls[] = {
        {kLabel, "Static", "热键反馈", {24, 192, 80, 208}, false, false},
        {kFontButton, "Button", "字体选择", {96, 172, 192, 204}, true, true},
        {kNoteButton, "Button", "屏笺", {208, 172, 304, 204}, true, true},
        {kEditor, "Edit", "请勿动，暂时离开...", {15, 8, 303, 160}, true, true},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.text);
        HWND control = Control(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_STRCASEEQ(ClassOf(control).c_str(), c.className);
        EXPECT_EQ(WindowText(control), c.text);
        RECT rect = WindowRectOf(control);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, c.visible);
        EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
    }

    for (int id : {kFontButton, kNoteButton}) {
        const LONG style = GetWindowLongA(Control(id), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // neither is the default button
        EXPECT_TRUE(style & BS_MULTILINE);
        EXPECT_EQ(style & BS_CENTER, BS_CENTER);
        EXPECT_EQ(style & BS_VCENTER, BS_VCENTER);
    }

    HWND editor = Control(kEditor);
    const LONG style = GetWindowLongA(editor, GWL_STYLE);
    for (LONG bit : {ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN, ES_NOHIDESEL, LONG(WS_VSCROLL)})
        EXPECT_TRUE(style & bit) << std::hex << bit;
    for (LONG bit : {ES_AUTOHSCROLL, ES_READONLY, ES_PASSWORD, ES_CENTER, ES_RIGHT})
        EXPECT_FALSE(style & bit) << std::hex << bit;
    EXPECT_TRUE(GetWindowLongA(editor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    DWORD start = 1, end = 1;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_GE(static_cast<DWORD>(SendMessageA(editor, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);  // the system maximum
}

TEST_F(MainWindowTest, NoteIsDrawnRedOnWhite) {
    const RECT client = ClientRectOnScreen(Control(kEditor));
    std::vector<COLORREF> pixels;
    int red = 0, white = 0;
    ASSERT_TRUE(WaitUntil([&] {
        pixels = CapturePixels(client);
        red = static_cast<int>(std::count(pixels.begin(), pixels.end(), RGB(255, 0, 0)));
        white = static_cast<int>(std::count(pixels.begin(), pixels.end(), RGB(255, 255, 255)));
        return red > 200;
    }, 5000)) << "red pixels: " << red;
    EXPECT_GT(white, static_cast<int>(pixels.size()) / 3);
}

TEST_F(MainWindowTest, RightClickInNoteOpensTheMenuBesideTheCursor) {
    const POINT at = CentreOf(Control(kEditor));
    Click(at.x, at.y, true);
    std::vector<HWND> menus;
    ASSERT_TRUE(WaitUntil([&] { return !(menus = VisibleMenus()).empty(); }, 5000));
    const RECT menu = WindowRectOf(menus.front());
    EXPECT_EQ(menu.left, at.x + 3);
    EXPECT_EQ(menu.top, at.y + 3);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return VisibleMenus().empty(); }, 5000));
}

TEST_F(MainWindowTest, RightClickOutsideTheNoteOpensNothing) {
    const POINT button = CentreOf(Control(kFontButton));
    const RECT client = ClientRectOnScreen(main_);
    const POINT empty = {client.left + 40, client.top + 200};
    for (POINT at : {button, empty}) {
        Click(at.x, at.y, true);
        Sleep(500);  // give a menu the chance to appear; none may
        EXPECT_TRUE(VisibleMenus().empty()) << at.x << "," << at.y;
    }
}

TEST_F(MainWindowTest, DoubleClickAsksBeforeClearingTheNote) {
    HWND editor = Control(kEditor);
    const POINT at = CentreOf(editor);

    DoubleClick(at.x, at.y);
    HWND box = WaitForMessageBox(program_->Id(), "屏笺");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "是否全部删除？");
    SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(WindowText(editor), "请勿动，暂时离开...");

    DoubleClick(at.x, at.y);
    box = WaitForMessageBox(program_->Id(), "屏笺");
    ASSERT_NE(box, nullptr);
    SendMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(editor).empty(); }));
    // The same font stays: the window keeps the one the program made.
    EXPECT_NE(SendMessageA(editor, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(MainWindowTest, HelpItemShowsTheHotKeys) {
    const POINT at = CentreOf(Control(kEditor));
    Click(at.x, at.y, true);
    ASSERT_TRUE(WaitUntil([] { return !VisibleMenus().empty(); }, 5000));
    PressKey(VK_DOWN);  // 升级
    PressKey(VK_DOWN);  // 帮助信息
    PressKey(VK_RETURN);
    HWND box = WaitForMessageBox(program_->Id(), "帮助信息");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "Alt + Q键可视或隐藏窗口\r\n\r\nAlt + W键鼠标解锁\r\n\r\nAlt + S键鼠标锁定");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

TEST_F(MainWindowTest, EscAndEnterCloseNothingAndEnterBreaksTheLine) {
    HWND editor = Control(kEditor);
    ASSERT_TRUE(BringToFront(main_));  // the note editor has the focus from the start
    PressKey(VK_ESCAPE);
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(editor) == "\r\n请勿动，暂时离开..."; }, 3000))
        << WindowText(editor);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(program_->Running());
}

TEST_F(MainWindowTest, TabMovesTheFocusFromTheNoteToTheButtonsAndItComesBackThere) {
    ASSERT_TRUE(BringToFront(main_));
    const auto focus = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
        return info.hwndFocus;
    };
    EXPECT_EQ(focus(), Control(kEditor));
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return focus() == Control(kFontButton); }, 3000));
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return focus() == Control(kNoteButton); }, 3000));

    // Another window takes the activation; coming back, the focus is where it was.
    {
        StandInWindow other("另一个程序", "", false);
        ASSERT_TRUE(BringToFront(other.Handle()));
        ASSERT_NE(focus(), Control(kNoteButton));
    }
    ASSERT_TRUE(BringToFront(main_));
    EXPECT_TRUE(WaitUntil([&] { return focus() == Control(kNoteButton); }, 3000));
}

TEST_F(MainWindowTest, DraggingTheClientAreaMovesTheWindow) {
    const RECT before = WindowRectOf(main_);
    const RECT client = ClientRectOnScreen(main_);
    const POINT from = {client.left + 40, client.top + 200};  // no control there
    XDrag(from.x, from.y, from.x + 100, from.y + 60);
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(main_).left != before.left; }, 5000));
    const RECT after = WindowRectOf(main_);
    EXPECT_EQ(after.left - before.left, 100);
    EXPECT_EQ(after.top - before.top, 60);
}

TEST_F(MainWindowTest, AltF4EndsTheProgramWithExitCodeZero) {
    ASSERT_TRUE(BringToFront(main_));
    PressKeys({VK_MENU, VK_F4});
    DWORD exitCode = 99;
    ASSERT_TRUE(program_->WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace e2e
