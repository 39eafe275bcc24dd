#include "support/stand_in_window.h"

namespace e2e {
namespace {

constexpr char kFrameClass[] = "E2EStandInFrame";
constexpr char kTextClass[] = "E2EStandInText";

StandInWindow* OwnerOf(HWND window) {
    return reinterpret_cast<StandInWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

StandInWindow::StandInWindow(const std::string& title, const std::string& text, bool topmost)
    : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread(&StandInWindow::Run, this, title, text, topmost);
    WaitForSingleObject(ready_, 10000);
}

StandInWindow::~StandInWindow() {
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
    CloseHandle(ready_);
}

std::vector<std::string> StandInWindow::Texts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

std::vector<StandInWindow::Key> StandInWindow::Keys() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return keys_;
}

void StandInWindow::Run(std::string title, std::string text, bool topmost) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA frame{};
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = instance;
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kFrameClass;
    RegisterClassA(&frame);
    WNDCLASSA item{};
    item.lpfnWndProc = TextProc;
    item.hInstance = instance;
    item.lpszClassName = kTextClass;
    RegisterClassA(&item);

    HWND window = CreateWindowExA(topmost ? WS_EX_TOPMOST : 0, kFrameClass, title.c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0, 240, 120, nullptr, nullptr, instance,
                                  nullptr);
    if (window) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        HWND child = CreateWindowExA(0, kTextClass, text.c_str(), WS_CHILD | WS_VISIBLE, 8, 8, 200, 60, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xFFFF)), instance, nullptr);
        SetWindowLongPtrA(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    window_ = window;
    SetEvent(ready_);
    if (!window) return;
    MSG message;
    // No TranslateMessage: the recorded keys are exactly those that came.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

LRESULT CALLBACK StandInWindow::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (StandInWindow* self = OwnerOf(window)) {
        if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->keys_.push_back({message, wParam, lParam});
            return 0;
        }
    }
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK StandInWindow::TextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && lParam) {
        if (StandInWindow* self = OwnerOf(window)) {
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->texts_.emplace_back(reinterpret_cast<const char*>(lParam));
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace e2e
