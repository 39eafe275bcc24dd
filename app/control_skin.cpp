#include "app/control_skin.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/control_skin_paint.h"
#include "app/control_skin_scheme.h"
#include "app/unique_handle.h"

namespace app {
namespace {

using skin::Kind;

constexpr UINT_PTR kSubclassId = 0x534B494E;  // one subclass per control

// What the look needs while it is on: its colours and the hook that hears of
// new controls. Kept per thread: the look covers the UI thread's controls.
struct SkinSession {
    skin::Scheme scheme;
    UniqueHook creationHook;
};
thread_local std::unique_ptr<SkinSession> session;

// Per control, owned by its subclass and freed when the subclass goes.
struct SkinnedControl {
    Kind kind;
    skin::Hover hover;
    bool drawsOwnBorder;  // an edit box made with WS_BORDER frames its client area itself
};

LRESULT CALLBACK SkinProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

SkinnedControl* Find(HWND window) {
    DWORD_PTR data = 0;
    if (!IsWindow(window) || !GetWindowSubclass(window, SkinProc, kSubclassId, &data)) return nullptr;
    return reinterpret_cast<SkinnedControl*>(data);
}

Kind KindOf(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return skin::Classify(className, static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE)));
}

void Redraw(HWND window, UINT flags) {
    if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, flags);
}

// The control handles the message in its usual way and is then drawn again in
// the state the message left it in.
LRESULT HandleThenRedraw(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    Redraw(window, flags);
    return result;
}

// createdStyle: the style the control was created with, when known; an edit
// box then has dropped WS_BORDER from its style and draws that border itself.
void Skin(HWND window, LONG createdStyle = 0) {
    const Kind kind = KindOf(window);
    if (kind == Kind::None || Find(window)) return;
    const bool ownBorder = kind == Kind::Edit && (createdStyle & WS_BORDER) &&
                           !(GetWindowLongA(window, GWL_STYLE) & WS_BORDER);
    auto control = std::make_unique<SkinnedControl>(SkinnedControl{kind, {}, ownBorder});
    if (SetWindowSubclass(window, SkinProc, kSubclassId, reinterpret_cast<DWORD_PTR>(control.get()))) control.release();
}

void Unskin(HWND window) {
    if (SkinnedControl* control = Find(window)) {
        RemoveWindowSubclass(window, SkinProc, kSubclassId);
        delete control;
    }
}

// Every window of the UI thread: top-level windows and all their
// descendants, gathered first so that acting on them cannot upset the walk.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    try {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM list) {
    if (!CollectWindow(window, list)) return FALSE;
    EnumChildWindows(window, CollectWindow, list);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectTopWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

constexpr UINT kFullRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// Controls created while the look is on are caught as they are created.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = session ? session->creationHook.Get() : nullptr;
    if (code == HC_ACTION && session) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE && call->lParam)
            Skin(call->hwnd, reinterpret_cast<const CREATESTRUCTA*>(call->lParam)->style);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// Keeps WM_MOUSELEAVE coming without disturbing tracking the control asked
// for itself.
void TrackLeave(HWND window) {
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    if (query.hwndTrack == window && (query.dwFlags & TME_LEAVE)) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, HOVER_DEFAULT};
    if (query.hwndTrack == window) {
        track.dwFlags |= query.dwFlags & TME_HOVER;
        track.dwHoverTime = query.dwHoverTime;
    }
    TrackMouseEvent(&track);
}

// Hover changes repaint at once; the control's own handling comes first.
LRESULT HandleHover(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT redraw) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    SkinnedControl* control = Find(window);  // the control may be gone now
    if (!control) return result;
    const bool over = message == WM_MOUSEMOVE;
    if (over) TrackLeave(window);
    if (control->hover.control != over || control->kind == Kind::UpDown) {
        control->hover.control = over;
        Redraw(window, redraw);
    }
    return result;
}

constexpr UINT kRepaintNow = RDW_INVALIDATE | RDW_UPDATENOW;

// Buttons: the whole client area is ours. Messages after which the button
// draws itself directly are followed by a repaint of our own.
LRESULT ButtonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SkinnedControl& control) {
    auto paint = [&](HDC dc) {
        switch (control.kind) {
        case Kind::PushButton: skin::PaintPushButton(window, dc, session->scheme, control.hover); break;
        case Kind::CheckBox: skin::PaintCheckOrRadio(window, dc, session->scheme, control.hover, false); break;
        case Kind::RadioButton: skin::PaintCheckOrRadio(window, dc, session->scheme, control.hover, true); break;
        default: skin::PaintGroupBox(window, dc, session->scheme); break;
        }
    };
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc) paint(dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers what needs covering
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        return HandleHover(window, message, wParam, lParam, kRepaintNow);
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case WM_SYSCOLORCHANGE:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (IsWindowVisible(window)) Redraw(window, kRepaintNow);
        return result;
    }
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

// Edit boxes and lists keep their own client drawing; only the frame is ours.
LRESULT EdgeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        if (SkinnedControl* control = Find(window); control && control->drawsOwnBorder && session)
            skin::PaintClientBorder(window, session->scheme);
        break;
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_STYLECHANGED:
    case EM_SETREADONLY:
        if (SkinnedControl* control = Find(window); control && session && IsWindowVisible(window)) {
            if (control->drawsOwnBorder) skin::PaintClientBorder(window, session->scheme);
            else skin::PaintEdgeFrame(window, session->scheme);
        }
        break;
    default:
        break;
    }
    return result;
}

// Combo boxes draw themselves first; their frame and button are drawn over.
LRESULT ComboMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        SkinnedControl* control = Find(window);
        if (!control || !session) return result;
        HDC dc = message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wParam) : GetDC(window);
        if (dc) skin::PaintComboParts(window, dc, session->scheme, control->hover);
        if (message == WM_PAINT && dc) ReleaseDC(window, dc);
        return result;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        return HandleHover(window, message, wParam, lParam, RDW_INVALIDATE);
    case WM_ENABLE:
        return HandleThenRedraw(window, message, wParam, lParam, RDW_INVALIDATE);
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT UpDownMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc && session) skin::PaintUpDown(window, dc, session->scheme);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (session) skin::PaintUpDown(window, reinterpret_cast<HDC>(wParam), session->scheme);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        return HandleHover(window, message, wParam, lParam, RDW_INVALIDATE);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_ENABLE:
        return HandleThenRedraw(window, message, wParam, lParam, RDW_INVALIDATE);
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    try {
        auto* control = reinterpret_cast<SkinnedControl*>(data);
        if (message == WM_NCDESTROY) {
            Unskin(window);
            return DefSubclassProc(window, message, wParam, lParam);
        }
        if (!session) return DefSubclassProc(window, message, wParam, lParam);
        switch (control->kind) {
        case Kind::PushButton:
        case Kind::CheckBox:
        case Kind::RadioButton:
        case Kind::GroupBox: return ButtonMessage(window, message, wParam, lParam, *control);
        case Kind::Edit:
        case Kind::ComboList: return EdgeMessage(window, message, wParam, lParam);
        case Kind::ComboBox: return ComboMessage(window, message, wParam, lParam);
        case Kind::UpDown: return UpDownMessage(window, message, wParam, lParam);
        default: return DefSubclassProc(window, message, wParam, lParam);
        }
    } catch (...) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

void SwitchOff() {
    if (!session) return;
    session.reset();  // unhooks: no control is caught any more
    for (HWND window : ThreadWindows()) {
        if (Find(window)) {
            Unskin(window);
            Redraw(window, kFullRedraw);
        }
    }
}

}  // namespace

void SetControlSkin(int scheme) {
    SwitchOff();
    const std::optional<skin::Scheme> colours = skin::SchemeFor(scheme);
    if (!colours) return;
    UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, WatchCreation, nullptr, GetCurrentThreadId()));
    if (!hook) return;  // without the hook the look stays off
    session = std::make_unique<SkinSession>(SkinSession{*colours, std::move(hook)});
    for (HWND window : ThreadWindows()) {
        Skin(window);
        if (Find(window)) Redraw(window, kFullRedraw);
    }
}

}  // namespace app
