#include "support/lock_probe.h"

#include <algorithm>

#include "support/driver.h"

namespace e2e {
namespace {

constexpr char kProbeClass[] = "E2eInputProbe";

}  // namespace

void SendMouseEvent(DWORD flags, DWORD data) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
}

RECT CurrentClip() {
    RECT clip{};
    GetClipCursor(&clip);
    return clip;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT WholeScreen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

InputProbe::InputProbe(const RECT& where) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kProbeClass;
    RegisterClassExA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kProbeClass, "", WS_POPUP,
                              where.left, where.top, where.right - where.left, where.bottom - where.top, nullptr,
                              nullptr, instance, this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PumpFor(200);
}

InputProbe::~InputProbe() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

POINT InputProbe::Centre() const {
    const RECT rect = WindowRectOf(window_);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int InputProbe::Count(UINT message) const {
    const auto found = counts_.find(message);
    return found == counts_.end() ? 0 : found->second;
}

bool InputProbe::PumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                                  QS_ALLINPUT);
    }
}

bool InputProbe::Arrives(UINT message, DWORD downFlag, DWORD upFlag, DWORD data, DWORD milliseconds) {
    const POINT centre = Centre();
    MoveCursorTo(centre.x, centre.y);
    const int before = Count(message);
    SendMouseEvent(downFlag, data);
    if (upFlag) {
        Sleep(30);
        SendMouseEvent(upFlag);
    }
    return PumpUntil([&] { return Count(message) > before; }, milliseconds);
}

bool InputProbe::LeftClickArrives(DWORD milliseconds) {
    return Arrives(WM_LBUTTONDOWN, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0, milliseconds);
}
bool InputProbe::RightClickArrives(DWORD milliseconds) {
    return Arrives(WM_RBUTTONDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0, milliseconds);
}
bool InputProbe::MiddleClickArrives(DWORD milliseconds) {
    return Arrives(WM_MBUTTONDOWN, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 0, milliseconds);
}
bool InputProbe::WheelArrives(DWORD milliseconds) {
    return Arrives(WM_MOUSEWHEEL, MOUSEEVENTF_WHEEL, 0, WHEEL_DELTA, milliseconds);
}

LRESULT CALLBACK InputProbe::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<InputProbe*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // a click must not take the foreground from the program
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
        if (self) ++self->counts_[message];
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace e2e
