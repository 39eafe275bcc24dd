// A small window of the test driver that counts the mouse input reaching it,
// to see which clicks the program's mouse lock lets through. It stands on top
// but never takes the foreground: activating a window of the driver would end
// the program's cursor confinement under Wine.
#pragma once
#include <windows.h>

#include <functional>
#include <map>

namespace e2e {

class InputProbe {
public:
    explicit InputProbe(const RECT& where);
    InputProbe(const InputProbe&) = delete;
    InputProbe& operator=(const InputProbe&) = delete;
    ~InputProbe();

    HWND Handle() const { return window_; }
    POINT Centre() const;
    // How often a message (WM_LBUTTONDOWN, WM_MOUSEWHEEL, ...) has arrived.
    int Count(UINT message) const;
    void Reset() { counts_.clear(); }

    // Serves the driver's messages until condition holds or the time is up.
    bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);
    // Serves the driver's messages for a while, for input that must not come.
    void PumpFor(DWORD milliseconds) { PumpUntil([] { return false; }, milliseconds); }

    // The input, sent through SendInput onto the probe's centre; each waits
    // for its message, so the result says whether it arrived.
    bool LeftClickArrives(DWORD milliseconds = 1500);
    bool RightClickArrives(DWORD milliseconds = 1500);
    bool MiddleClickArrives(DWORD milliseconds = 1500);
    bool WheelArrives(DWORD milliseconds = 1500);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Arrives(UINT message, DWORD downFlag, DWORD upFlag, DWORD data, DWORD milliseconds);

    HWND window_ = nullptr;
    std::map<UINT, int> counts_;
};

// Sends one mouse event through SendInput.
void SendMouseEvent(DWORD flags, DWORD data = 0);

// The cursor confinement in force, read without taking the foreground.
RECT CurrentClip();
bool SameRect(const RECT& a, const RECT& b);
// The whole primary screen: the cursor is free.
RECT WholeScreen();

}  // namespace e2e
