// A top-level window of the test driver that stands in for another program's
// box: it has a title, a text item 0xFFFF like a message box, and records the
// texts written to that item and the key messages it receives. It lives on a
// thread of its own with its own message loop, so other processes' sent
// messages are served while the test waits.
#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

class StandInWindow {
public:
    struct Key {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    StandInWindow(const std::string& title, const std::string& text, bool topmost);
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    ~StandInWindow();

    HWND Handle() const { return window_; }
    std::vector<std::string> Texts() const;  // every text written to item 0xFFFF, in order
    std::vector<Key> Keys() const;

private:
    void Run(std::string title, std::string text, bool topmost);
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    mutable std::mutex mutex_;
    std::vector<std::string> texts_;
    std::vector<Key> keys_;
    HWND window_ = nullptr;
    HANDLE ready_ = nullptr;
    std::thread thread_;
};

}  // namespace e2e
