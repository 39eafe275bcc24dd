#include "updater/updater_window.h"

#include <commctrl.h>

#include <optional>

#include "updater/task_row_layout.h"
#include "updater/updater_messages.h"

namespace updater {
namespace {

constexpr char kClassName[] = "PingjianUpdaterWindow";
constexpr char kPanelClassName[] = "PingjianUpdaterPanel";
constexpr COLORREF kPanelColour = RGB(255, 255, 255);

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

COLORREF ColourOf(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

UpdaterWindow::UpdaterWindow(HINSTANCE instance, UpdaterEvents& events)
    : instance_(instance),
      events_(events),
      background_(CreateSolidBrush(ColourOf(kWindowBackground))),
      panelBackground_(CreateSolidBrush(kPanelColour)) {}

bool UpdaterWindow::Create() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background_.Get();
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);

    WNDCLASSEXA panelClass = windowClass;
    panelClass.lpfnWndProc = PanelProc;
    panelClass.hIcon = nullptr;
    panelClass.hbrBackground = panelBackground_.Get();
    panelClass.lpszClassName = kPanelClassName;
    RegisterClassExA(&panelClass);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    CreateWindowExA(0, kClassName, kWindowTitle, style, left, top, kWindowWidth, kWindowHeight, nullptr, nullptr,
                    instance_, this);
    if (!window_ || !CreateControls()) return false;
    if (!events_.OnCreated()) return false;
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    return true;
}

HWND UpdaterWindow::MakeControl(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                                const Box& box, int id) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | style, box.left, box.top, box.width,
                                   box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                   nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return control;
}

bool UpdaterWindow::CreateControls() {
    图片框1_ = MakeControl(window_, kPanelClassName, "", WS_VISIBLE | WS_CLIPCHILDREN, 0, kBox图片框1, kId图片框1);
    图片框2_ = MakeControl(图片框1_, kPanelClassName, "", WS_VISIBLE | WS_CLIPCHILDREN, 0, kBox图片框2, kId图片框2);
    if (!图片框1_ || !图片框2_) return false;

    const DWORD header = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    const struct {
        const char* text;
        Box box;
        int id;
    } headers[] = {
        {"任务名称", kBox标签1任务名称, kId标签1任务名称}, {"任务大小", kBox标签2任务大小, kId标签2任务大小},
        {"下载进度", kBox标签3下载进度, kId标签3下载进度}, {"下载速度", kBox标签4下载速度, kId标签4下载速度},
        {"相关操作", kBox标签5相关操作, kId标签5相关操作},
    };
    for (const auto& h : headers) {
        if (!MakeControl(图片框2_, "STATIC", h.text, header, WS_EX_STATICEDGE, h.box, h.id)) return false;
    }

    // Never seen: it only relays the installation to this thread.
    标签10反馈事件_ = MakeControl(图片框2_, "STATIC", "反馈", SS_LEFT | SS_NOPREFIX, 0, kBox标签10反馈事件,
                                  kId标签10反馈事件);
    const DWORD log = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    编辑框1交互信息_ = MakeControl(window_, "EDIT", "", log, WS_EX_CLIENTEDGE, kBox编辑框1交互信息,
                                    kId编辑框1交互信息);
    if (!标签10反馈事件_ || !编辑框1交互信息_) return false;
    SendMessageA(编辑框1交互信息_, EM_LIMITTEXT, 0, 0);  // a long transfer's log outgrows 32K

    SetWindowLongPtrA(标签10反馈事件_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    relayDefaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(标签10反馈事件_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RelayProc)));
    SetFocus(编辑框1交互信息_);
    return true;
}

TaskRow UpdaterWindow::MakeTaskRow(int row, const TaskRow* previous) {
    std::optional<RowBoxes> above;
    if (previous) {
        RowBoxes boxes{};
        for (int part = 0; part < kRowParts; ++part) {
            RECT rect{};
            GetWindowRect(previous->controls[part], &rect);
            MapWindowPoints(nullptr, 图片框2_, reinterpret_cast<POINT*>(&rect), 2);
            boxes[part] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        }
        above = boxes;
    }
    const RowBoxes boxes = PlaceTaskRow(above);
    const DWORD left = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;
    const DWORD centred = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    const struct {
        const char* className;
        DWORD style;
    } kinds[kRowParts] = {
        {"STATIC", WS_VISIBLE | left},                    // 标签6名称
        {"STATIC", WS_VISIBLE | centred},       // 标签7大小
        {PROGRESS_CLASSA, PBS_SMOOTH},                    // 进度条1, hidden
        {"STATIC", WS_VISIBLE | centred},       // 标签8速度
        {"STATIC", WS_VISIBLE | centred},       // 标签9操作
        {"STATIC", WS_VISIBLE | SS_GRAYRECT},             // 外形框1
    };
    TaskRow made;
    for (TaskRowPart part : {kRowName, kRowSize, kRowProgress, kRowSpeed, kRowSeparator, kRowOperation}) {
        made.controls[part] = MakeControl(图片框2_, kinds[part].className, "", kinds[part].style, 0, boxes[part],
                                          RowControlId(row, part));
    }
    SendMessageA(made[kRowProgress], PBM_SETRANGE32, 0, 100);
    return made;
}

void UpdaterWindow::AppendLog(const std::string& text) const {
    SendMessageA(window_, kMsgAppendLog, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void UpdaterWindow::ShowControl(HWND control, bool show) const {
    SendMessageA(window_, kMsgShowControl, reinterpret_cast<WPARAM>(control), show ? 1 : 0);
}

void UpdaterWindow::SetControlText(HWND control, const std::string& text) const {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void UpdaterWindow::SetProgress(HWND bar, int position) const { SendMessageA(bar, PBM_SETPOS, position, 0); }

std::string UpdaterWindow::LogText() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(编辑框1交互信息_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(编辑框1交互信息_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void UpdaterWindow::AppendLogNow(const char* text) {
    // Positions past the end are taken as the end, so the byte count serves.
    const int end = GetWindowTextLengthA(编辑框1交互信息_);
    SendMessageA(编辑框1交互信息_, EM_SETSEL, end, end);
    SendMessageA(编辑框1交互信息_, EM_SCROLLCARET, 0, 0);
    SendMessageA(编辑框1交互信息_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

LRESULT UpdaterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgAppendLog:
        AppendLogNow(reinterpret_cast<const char*>(lParam));
        return 0;
    case kMsgShowControl:
        ShowWindow(reinterpret_cast<HWND>(wParam), lParam ? SW_SHOW : SW_HIDE);
        return 0;
    case WM_COMMAND:
        // Esc, by way of the dialog keys, closes like the close button.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) SendMessageA(window_, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        if (events_.QueryClose()) DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK UpdaterWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<UpdaterWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<UpdaterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK UpdaterWindow::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), kPanelColour);
        return static_cast<LRESULT>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK UpdaterWindow::RelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UpdaterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == kMsgInstallRelay) {
        try {
            self->events_.OnInstallRelay(static_cast<int>(wParam));
        } catch (...) {
        }
        return 0;
    }
    return CallWindowProcA(self->relayDefaultProc_, window, message, wParam, lParam);
}

}  // namespace updater
