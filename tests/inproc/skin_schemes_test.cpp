// The flat look in the test program's own windows: the three schemes' frame
// colours, scheme 0 giving the system look back, controls created later, and
// the controls' behaviour under the look.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/control_skin.h"
#include "app/main_window.h"

namespace app {
namespace {

void StayAlive() {}

constexpr COLORREF kFrames[] = {0, RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};

// The window's pixels as drawn, read through its window DC.
std::vector<COLORREF> PixelsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<COLORREF> pixels;
    HDC dc = GetWindowDC(window);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// The left edge's middle pixel, where every flat frame runs.
COLORREF LeftEdge(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return PixelAt(window, 0, (r.bottom - r.top) / 2);
}

void Settle() {
    MSG message;
    for (int i = 0; i < 5; ++i) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(20);
    }
}

class SkinInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Create());
        window_.Show();
        Settle();
    }
    void TearDown() override { SetControlSkin(0); }

    HWND Make(const char* className, const char* text, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0) {
        HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                       window_.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        return control;
    }

    MainWindow window_{GetModuleHandleA(nullptr), StayAlive};
};

TEST_F(SkinInProcess, EachSchemeFramesTheControlsInItsColour) {
    const HWND controls[] = {window_.FontButton(), window_.NoteButton(), window_.Editor()};
    for (HWND c : controls) EXPECT_EQ(LeftEdge(c), kFrames[1]);  // scheme 1 from the creation handler
    for (int scheme : {2, 3, 1}) {
        SetControlSkin(scheme);
        Settle();
        for (HWND c : controls) EXPECT_EQ(LeftEdge(c), kFrames[scheme]) << "scheme " << scheme;
    }
}

TEST_F(SkinInProcess, SchemeZeroGivesTheSystemLookBack) {
    SetControlSkin(0);
    Settle();
    for (HWND c : {window_.FontButton(), window_.Editor()})
        for (COLORREF frame : kFrames) EXPECT_NE(LeftEdge(c), frame);
    // A button made now is not skinned: its twin, where the editor stood,
    // must look the same.
    ShowWindow(window_.Editor(), SW_HIDE);
    HWND twin = Make("BUTTON", "字体选择", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 96, 20, 96, 32);
    Settle();
    EXPECT_EQ(PixelsOf(window_.FontButton()), PixelsOf(twin));
}

TEST_F(SkinInProcess, ControlsMadeLaterAreSkinnedToo) {
    HWND check = Make("BUTTON", "Check", BS_AUTOCHECKBOX, 10, 10, 100, 20);
    HWND radio = Make("BUTTON", "Radio", BS_AUTORADIOBUTTON, 10, 34, 100, 20);
    HWND group = Make("BUTTON", "Group", BS_GROUPBOX, 120, 10, 100, 60);
    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 60, 100, 200);
    HWND upDown = Make(UPDOWN_CLASSA, "", 0, 230, 10, 20, 40);
    HWND edit = Make("EDIT", "text", WS_BORDER, 230, 60, 60, 20);
    Settle();
    const int box = (20 - 13) / 2;
    EXPECT_EQ(PixelAt(check, 0, box + 6), kFrames[1]);
    EXPECT_EQ(PixelAt(radio, 0, box + 6), kFrames[1]);
    EXPECT_EQ(PixelAt(group, 0, 40), kFrames[1]);
    EXPECT_EQ(LeftEdge(combo), kFrames[1]);
    EXPECT_EQ(PixelAt(upDown, 0, 0), kFrames[1]);
    EXPECT_EQ(LeftEdge(edit), kFrames[1]);

    // Disabled controls are framed in a quieter colour.
    EnableWindow(check, FALSE);
    EnableWindow(edit, FALSE);
    Settle();
    EXPECT_NE(PixelAt(check, 0, box + 6), kFrames[1]);
    EXPECT_NE(LeftEdge(edit), kFrames[1]);
}

// The look draws; the controls still do what they do.
TEST_F(SkinInProcess, SkinnedControlsKeepTheirBehaviour) {
    HWND check = Make("BUTTON", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 100, 20);
    Settle();
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SetFocus(check);
    EXPECT_EQ(GetFocus(), check);
    SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(check, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    HWND combo = Make("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 60, 100, 200);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("一"));
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("二"));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    char text[16] = {};
    SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "二");
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);

    // The editor's text goes in and out as before, Chinese included.
    window_.SetEditorText("留言");
    EXPECT_EQ(window_.EditorText(), "留言");
    char buffer[16] = {};
    GetWindowTextA(window_.Editor(), buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "留言");
}

// A parent that destroys the button in its click handler: the look must not
// touch the control after it is gone.
LRESULT CALLBACK DestroyOnClick(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SkinInProcess, ButtonDestroyedWhileClickedIsLetGo) {
    WNDCLASSA parentClass{};
    parentClass.lpfnWndProc = DestroyOnClick;
    parentClass.hInstance = GetModuleHandleA(nullptr);
    parentClass.lpszClassName = "SkinTestParent";
    RegisterClassA(&parentClass);
    HWND parent = CreateWindowExA(0, "SkinTestParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, parent,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    Settle();
    EXPECT_EQ(LeftEdge(button), kFrames[1]);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(button));
    SetControlSkin(2);  // walks the thread's windows again
    SetControlSkin(0);
    DestroyWindow(parent);
}

}  // namespace
}  // namespace app
