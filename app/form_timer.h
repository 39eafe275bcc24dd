// A timer control of a form (时钟1关于): one setting, the period in
// milliseconds, where 0 means stopped. Its ticks arrive as WM_TIMER with the
// timer's identifier at the owning window.
#pragma once
#include <windows.h>

namespace app {

class FormTimer {
public:
    explicit FormTimer(UINT_PTR id) : id_(id) {}
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;
    ~FormTimer() { SetPeriod(0); }

    // A non-zero period that differs from the current one starts the timer
    // afresh; the same period changes nothing; 0 stops it.
    void SetPeriod(UINT milliseconds);
    UINT Period() const { return period_; }
    UINT_PTR Id() const { return id_; }
    void Attach(HWND owner) { owner_ = owner; }

private:
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT period_ = 0;
};

}  // namespace app
