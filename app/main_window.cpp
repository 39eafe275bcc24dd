#include "app/main_window.h"

#include <windowsx.h>

#include "about/about_box.h"
#include "app/control_skin.h"
#include "app/font_choice.h"
#include "app/note_menu.h"
#include "app/window_placement.h"
#include "lock/hotkeys.h"
#include "lock/mouse_lock.h"
#include "note/show_note_command.h"
#include "update/check_for_update.h"

namespace app {
namespace {

constexpr char kClassName[] = "PingjianMainWindow";
constexpr char kTitle[] = "鼠标右键有帮助";

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// Starts moving the window as if its caption had been pressed.
void StartDrag(HWND window) { PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, EndProgram endProgram)
    : instance_(instance), endProgram_(endProgram), editorBackground_(CreateSolidBrush(kEditorBackground)) {}

MainWindow::~MainWindow() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool MainWindow::Create() {
    const int bigSize = GetSystemMetrics(SM_CXICON);
    const int smallSize = GetSystemMetrics(SM_CXSMICON);
    bigIcon_.Reset(static_cast<HICON>(LoadImageA(instance_, "DEFAULT_ICON", IMAGE_ICON, bigSize, bigSize, 0)));
    smallIcon_.Reset(static_cast<HICON>(LoadImageA(instance_, "DEFAULT_ICON", IMAGE_ICON, smallSize, smallSize, 0)));

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    // The window shows its class's icons; sending them again with WM_SETICON
    // only made Wine convert them for the window manager once more.
    windowClass.hIcon = bigIcon_.Get();
    windowClass.hIconSm = smallIcon_.Get();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);  // a second MainWindow in a test driver finds it registered

    const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kWidth, kHeight);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    CreateWindowExA(0, kClassName, kTitle, style, origin.x, origin.y, kWidth, kHeight, nullptr, nullptr,
                    instance_, this);
    if (!window_) return false;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (!CreateControls()) return false;
    OnCreated();
    return true;
}

bool MainWindow::CreateControls() {
    auto makeControl = [&](DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                           int width, int height, int id) {
        HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | style, x, y, width, height, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
        return control;
    };

    时钟1关于_.Attach(window_);
    // Never shown: it only hears of hot keys.
    标签1_ = makeControl(0, "STATIC", "热键反馈", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 24, 192, 56, 16, kIdLabel);
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    按钮1字体_ = makeControl(0, "BUTTON", "字体选择", button, 96, 172, 96, 32, kIdFontButton);
    按钮1写字_ = makeControl(0, "BUTTON", "屏笺", button, 208, 172, 96, 32, kIdNoteButton);
    const DWORD edit = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL |
                       ES_WANTRETURN | ES_NOHIDESEL;
    编辑框1写字_ = makeControl(WS_EX_CLIENTEDGE, "EDIT", "请勿动，暂时离开...", edit, 15, 8, 288, 152, kIdEditor);
    if (!标签1_ || !按钮1字体_ || !按钮1写字_ || !编辑框1写字_) return false;

    SetWindowLongPtrA(标签1_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    labelDefaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(标签1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelProc)));
    SetWindowLongPtrA(编辑框1写字_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editorDefaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(编辑框1写字_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorProc)));

    SendMessageA(编辑框1写字_, EM_LIMITTEXT, 0, 0);
    editorFont_.Attach(编辑框1写字_);
    editorFont_.SetRecord(InitialEditorFont());
    SendMessageA(编辑框1写字_, EM_SETSEL, 0, 0);
    focusedControl_ = 编辑框1写字_;  // it gets the focus when the window is first activated
    return true;
}

void MainWindow::OnCreated() {
    SetControlSkin(1);
    lock::HotkeyToggleWindow = lock::RegisterFeedbackHotKey(window_, 标签1_, 4, 0x51);  // Alt+Q
    lock::HotkeyUnlockMouse = lock::RegisterFeedbackHotKey(window_, 标签1_, 4, 0x57);   // Alt+W
    lock::HotkeyLockMouse = lock::RegisterFeedbackHotKey(window_, 标签1_, 4, 0x53);     // Alt+S
    about::AboutCountdown = 6;
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

bool MainWindow::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    // A multi-line edit box in dialog mode answers Esc by closing its parent.
    const bool escape = (message.message == WM_KEYDOWN || message.message == WM_CHAR) && message.wParam == VK_ESCAPE;
    return escape || IsDialogMessageA(window_, &message);
}

bool MainWindow::Visible() const { return IsWindowVisible(window_) != FALSE; }
void MainWindow::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOW : SW_HIDE); }

RECT MainWindow::Rect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

void MainWindow::SetTitle(const char* title) { SetWindowTextA(window_, title); }

std::string MainWindow::EditorText() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(编辑框1写字_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(编辑框1写字_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MainWindow::SetEditorText(const char* text) { SetWindowTextA(编辑框1写字_, text); }

void MainWindow::SetEditorTextColour(COLORREF colour) {
    editorTextColour_ = colour;
    InvalidateRect(编辑框1写字_, nullptr, TRUE);
}

void MainWindow::ShowContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    UniqueMenu menu = CreateNoteMenu();
    // The chosen item arrives as WM_COMMAND once the menu has closed.
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, cursor.x + 3, cursor.y + 3, 0, window_, nullptr);
}

void MainWindow::AskToClearNote() {
    if (MessageBoxA(nullptr, "是否全部删除？", "屏笺", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES)
        SetEditorText("");
}

void MainWindow::ShowHelpBox() {
    MessageBoxA(nullptr, "Alt + Q键可视或隐藏窗口\r\n\r\nAlt + W键鼠标解锁\r\n\r\nAlt + S键鼠标锁定", "帮助信息",
                MB_OK | MB_TASKMODAL);
}

void MainWindow::OnCommand(int id) {
    switch (id) {
    case kIdFontButton: ChooseNoteFont(*this); break;
    case kIdNoteButton: note::ShowNoteCommand(*this); break;
    case kCmdCheckForUpdate: update::CheckForUpdate(*this); break;
    case kCmdHelp: ShowHelpBox(); break;
    case kCmdAbout: about::ShowAboutBox(*this); break;
    default: break;
    }
}

void MainWindow::OnDestroy() {
    lock::UnlockMouse();
    ClipCursor(nullptr);
    window_ = nullptr;
    endProgram_();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Buttons report BN_CLICKED (0); menu items report 0 as well.
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == 时钟1关于_.Id()) about::OnAboutTick(*this);
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == 编辑框1写字_) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, editorTextColour_);
            SetBkColor(dc, kEditorBackground);
            return reinterpret_cast<LRESULT>(editorBackground_.Get());
        }
        break;
    case WM_SETFONT:
        windowFont_ = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(windowFont_);
    case WM_ACTIVATE:
        // As in a dialog, the control that had the focus gets it back when
        // the window is active again, so typing goes on where it left off.
        // Setting it here rather than at creation also spares activating
        // the window once while it is still hidden.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) focusedControl_ = focus;
        } else if (!HIWORD(wParam) && focusedControl_ && IsWindow(focusedControl_)) {  // not when minimised
            SetFocus(focusedControl_);
            return 0;
        }
        break;
    case WM_NEXTDLGCTL: {
        // A multi-line edit box hands Tab on like this; a dialog would move
        // the focus, and so does this window.
        HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
        if (next) SetFocus(next);
        return 0;
    }
    case WM_LBUTTONDOWN:
        StartDrag(window_);
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

// The editor's mouse events are handled before the edit box sees them; the
// edit box then handles the press or double click in its usual way.
LRESULT CALLBACK MainWindow::EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(editor, GWLP_USERDATA));
    if (message == WM_RBUTTONDOWN) self->ShowContextMenu();
    if (message == WM_LBUTTONDBLCLK) self->AskToClearNote();
    return CallWindowProcA(self->editorDefaultProc_, editor, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(label, GWLP_USERDATA));
    if (message == lock::kFeedbackMessage) {
        lock::OnHotkeyFeedback(*self, static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    }
    if (message == WM_LBUTTONDOWN) {  // a press on a label drags the window and goes no further
        StartDrag(self->window_);
        return 0;
    }
    return CallWindowProcA(self->labelDefaultProc_, label, message, wParam, lParam);
}

}  // namespace app
