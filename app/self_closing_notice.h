// The self-closing notice. user32's MessageBoxTimeoutA takes these six
// arguments, but Wine ignores its time-out, so the program shows an ordinary
// message box of its own and closes it with a timer on the box.
#pragma once
#include <windows.h>

namespace app {

inline constexpr DWORD kNoticeMilliseconds = 3000;
inline constexpr int kTimedOut = 32000;  // MB_TIMEDOUT

// Shows the box and returns when it has closed, by the user or by the
// time-out; timers, hot keys and hooks are served by the box's own loop.
int MessageBoxTimeoutA(HWND owner, LPCSTR text, LPCSTR caption, UINT style, WORD language, DWORD milliseconds);

// The program's notices: no owner, MB_OK, language 0, three seconds.
inline void ShowNotice(LPCSTR text, LPCSTR caption) {
    MessageBoxTimeoutA(nullptr, text, caption, MB_OK, 0, kNoticeMilliseconds);
}

}  // namespace app
