#include "app/control_skin_paint.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace app::skin {
namespace {

// Selects an object into a DC for the guard's lifetime.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

void Fill(HDC dc, const RECT& rect, Colour colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const RECT& rect, Colour colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FillGradient(HDC dc, const RECT& rect, Gradient gradient) {
    const int height = rect.bottom - rect.top;
    for (int row = 0; row < height; ++row) {
        const RECT line{rect.left, rect.top + row, rect.right, rect.top + row + 1};
        Fill(dc, line, GradientAt(gradient.top, gradient.bottom, row, height));
    }
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT FontOf(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

LONG StyleOf(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

// Keyboard cues: a focus rectangle and underlined access keys are shown
// only when the window's UI state asks for them.
UINT UiState(HWND window) { return static_cast<UINT>(SendMessageW(window, WM_QUERYUISTATE, 0, 0)); }
bool ShowsFocus(HWND window) { return GetFocus() == window && !(UiState(window) & UISF_HIDEFOCUS); }

// The brush the parent paints the control's background with, as for a
// static control; the parent may set the text colour as well.
HBRUSH ParentBackground(HWND control, HDC dc) {
    HWND parent = GetParent(control);
    HBRUSH brush = nullptr;
    if (parent)
        brush = reinterpret_cast<HBRUSH>(
            SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

UINT HorizontalAlignment(LONG style, UINT fallback) {
    switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
    default: return fallback;
    }
}

// Draws a button's caption inside area, aligned by the button's style;
// returns the rectangle the text took.
RECT DrawCaption(HWND button, HDC dc, RECT area, UINT fallbackAlignment, COLORREF colour) {
    const LONG style = StyleOf(button);
    const std::wstring text = TextOf(button);
    UINT format = HorizontalAlignment(style, fallbackAlignment);
    if (UiState(button) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;

    Selected font(dc, FontOf(button));
    RECT measured = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    RECT place = area;
    switch (style & BS_VCENTER) {
    case BS_TOP: place.bottom = place.top + height; break;
    case BS_BOTTOM: place.top = place.bottom - height; break;
    default:
        place.top = area.top + (area.bottom - area.top - height) / 2;
        place.bottom = place.top + height;
        break;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, format | DT_NOCLIP);

    // The text's own extent, for the focus rectangle.
    const int width = measured.right - measured.left;
    if (format & DT_CENTER) place.left = area.left + (area.right - area.left - width) / 2;
    else if (format & DT_RIGHT) place.left = area.right - width;
    place.right = place.left + width;
    return place;
}

void DrawArrow(HDC dc, const RECT& box, int direction, Colour colour) {  // 0 up, 1 down, 2 left, 3 right
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int size = std::max<int>(2, std::min<int>(box.right - box.left, box.bottom - box.top) / 4);
    for (int i = 0; i < size; ++i) {
        RECT line{};
        switch (direction) {
        case 0: line = {cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1}; break;
        case 1: line = {cx - (size - 1 - i), cy - size / 2 + i, cx + (size - 1 - i) + 1, cy - size / 2 + i + 1}; break;
        case 2: line = {cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1}; break;
        default: line = {cx - size / 2 + i, cy - (size - 1 - i), cx - size / 2 + i + 1, cy + (size - 1 - i) + 1}; break;
        }
        Fill(dc, line, colour);
    }
}

bool CursorIn(HWND window, const RECT& clientRect) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    return PtInRect(&clientRect, cursor) != FALSE;
}

}  // namespace

void PaintPushButton(HWND button, HDC dc, const Scheme& scheme, Hover hover) {
    RECT client{};
    GetClientRect(button, &client);
    const LONG style = StyleOf(button);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool disabled = !IsWindowEnabled(button);
    // A push-like check box or radio button looks pressed while checked.
    const bool pressed = (state & BST_PUSHED) || ((style & BS_PUSHLIKE) && (state & (BST_CHECKED | BST_INDETERMINATE)));
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    const Colour frame = disabled ? scheme.disabledFrame : scheme.frame;
    Frame(dc, client, frame);
    RECT face = client;
    InflateRect(&face, -1, -1);
    if (isDefault && !disabled) {  // the default button carries a double frame
        Frame(dc, face, frame);
        InflateRect(&face, -1, -1);
    }
    FillGradient(dc, face, FaceOf(scheme, {pressed, hover.control, disabled}));

    RECT textArea = face;
    InflateRect(&textArea, -2, -1);
    if (pressed) OffsetRect(&textArea, 1, 1);
    DrawCaption(button, dc, textArea, DT_CENTER, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    if (ShowsFocus(button)) {
        RECT focus = face;
        InflateRect(&focus, -2, -2);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &focus);
    }
}

void PaintCheckOrRadio(HWND button, HDC dc, const Scheme& scheme, Hover hover, bool radio) {
    RECT client{};
    GetClientRect(button, &client);
    const LONG style = StyleOf(button);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool disabled = !IsWindowEnabled(button);

    FillRect(dc, &client, ParentBackground(button, dc));
    const COLORREF textColour = disabled ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(dc);

    const int size = MulDiv(13, GetDeviceCaps(dc, LOGPIXELSY), 96);
    const bool boxRight = (style & BS_LEFTTEXT) != 0;
    RECT box{};
    box.left = boxRight ? client.right - size : client.left;
    box.right = box.left + size;
    switch (style & BS_VCENTER) {
    case BS_TOP: box.top = client.top; break;
    case BS_BOTTOM: box.top = client.bottom - size; break;
    default: box.top = client.top + (client.bottom - client.top - size) / 2; break;
    }
    box.bottom = box.top + size;

    const Colour frame = disabled ? scheme.disabledFrame : scheme.frame;
    const Gradient face = FaceOf(scheme, {(state & BST_PUSHED) != 0, hover.control, disabled});
    const Colour mark = disabled ? scheme.disabledFrame : scheme.mark;
    if (radio) {
        SetDCPenColor(dc, frame);
        SetDCBrushColor(dc, GradientAt(face.top, face.bottom, 1, 2));
        Selected pen(dc, GetStockObject(DC_PEN));
        Selected brush(dc, GetStockObject(DC_BRUSH));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (state & BST_CHECKED) {
            const int inset = size / 4 + 1;
            SetDCPenColor(dc, mark);
            SetDCBrushColor(dc, mark);
            Ellipse(dc, box.left + inset, box.top + inset, box.right - inset, box.bottom - inset);
        }
    } else {
        Frame(dc, box, frame);
        RECT inner = box;
        InflateRect(&inner, -1, -1);
        FillGradient(dc, inner, face);
        if (state & BST_INDETERMINATE) {
            InflateRect(&inner, -2, -2);
            Fill(dc, inner, Blend(mark, face.bottom, 1, 2));
        } else if (state & BST_CHECKED) {
            // A tick of two strokes, two pixels thick.
            const int x = inner.left + 1, y = inner.top + 1, w = inner.right - inner.left - 2;
            const POINT tick[] = {{x + 1, y + w / 2}, {x + w / 3 + 1, y + w - 2}, {x + w - 1, y + 1}};
            SetDCPenColor(dc, mark);
            Selected pen(dc, GetStockObject(DC_PEN));
            for (int dy = 0; dy < 2; ++dy) {
                const POINT line[] = {{tick[0].x, tick[0].y + dy}, {tick[1].x, tick[1].y + dy}, {tick[2].x, tick[2].y + dy}};
                Polyline(dc, line, 3);
            }
        }
    }

    RECT textArea = client;
    if (boxRight) textArea.right = box.left - 4;
    else textArea.left = box.right + 4;
    const RECT used = DrawCaption(button, dc, textArea, DT_LEFT, textColour);
    if (ShowsFocus(button) && GetWindowTextLengthW(button) > 0) {
        RECT focus = used;
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &client);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND button, HDC dc, const Scheme& scheme) {
    RECT client{};
    GetClientRect(button, &client);
    const bool disabled = !IsWindowEnabled(button);
    HBRUSH background = ParentBackground(button, dc);
    const COLORREF textColour = disabled ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(dc);
    const std::wstring text = TextOf(button);

    Selected font(dc, FontOf(button));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    Frame(dc, frame, disabled ? scheme.disabledFrame : scheme.frame);
    if (text.empty()) return;

    UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP;
    if (UiState(button) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
    RECT label{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, format | DT_CALCRECT);
    label.right = std::min<LONG>(label.right, client.right - 8);
    RECT gap = label;
    InflateRect(&gap, 2, 0);
    FillRect(dc, &gap, background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, format);
}

void PaintUpDown(HWND upDown, HDC dc, const Scheme& scheme) {
    RECT client{};
    GetClientRect(upDown, &client);
    const bool horizontal = (StyleOf(upDown) & UDS_HORZ) != 0;
    const bool disabled = !IsWindowEnabled(upDown);
    RECT first = client, second = client;  // up and down, or left and right
    if (horizontal) first.right = second.left = (client.left + client.right) / 2;
    else first.bottom = second.top = (client.top + client.bottom) / 2;

    const bool captured = GetCapture() == upDown && (GetKeyState(VK_LBUTTON) & 0x8000);
    const Colour frame = disabled ? scheme.disabledFrame : scheme.frame;
    const Colour mark = disabled ? scheme.disabledFrame : scheme.mark;
    int index = 0;
    for (const RECT& half : {first, second}) {
        const bool over = CursorIn(upDown, half);
        Frame(dc, half, frame);
        RECT face = half;
        InflateRect(&face, -1, -1);
        FillGradient(dc, face, FaceOf(scheme, {captured && over, over, disabled}));
        DrawArrow(dc, face, horizontal ? (index == 0 ? 2 : 3) : (index == 0 ? 0 : 1), mark);
        ++index;
    }
}

void PaintEdgeFrame(HWND control, const Scheme& scheme) {
    const LONG style = StyleOf(control);
    const LONG exStyle = GetWindowLongW(control, GWL_EXSTYLE);
    int width = 0;
    if (style & WS_BORDER) width += GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE) width += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) width += GetSystemMetrics(SM_CXBORDER);
    if (width == 0) return;  // e.g. the edit box inside a combo box

    HDC dc = GetWindowDC(control);
    if (!dc) return;
    RECT window{};
    GetWindowRect(control, &window);
    RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
    const bool disabled = !IsWindowEnabled(control);
    const bool readOnly = (style & ES_READONLY) != 0;
    Frame(dc, rect, disabled ? scheme.disabledFrame : scheme.frame);
    const Colour inner = GetFocus() == control ? scheme.focusTint
                         : (disabled || readOnly) ? GetSysColor(COLOR_BTNFACE)
                                                  : GetSysColor(COLOR_WINDOW);
    for (int line = 1; line < width; ++line) {
        InflateRect(&rect, -1, -1);
        Frame(dc, rect, inner);
    }
    ReleaseDC(control, dc);
}

void PaintClientBorder(HWND edit, const Scheme& scheme) {
    HDC dc = GetDC(edit);
    if (!dc) return;
    RECT client{};
    GetClientRect(edit, &client);
    Frame(dc, client, IsWindowEnabled(edit) ? scheme.frame : scheme.disabledFrame);
    ReleaseDC(edit, dc);
}

void PaintComboParts(HWND combo, HDC dc, const Scheme& scheme, Hover hover) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info)) return;
    const bool disabled = !IsWindowEnabled(combo);
    const bool simple = (StyleOf(combo) & 0x3) == CBS_SIMPLE;
    RECT frame{};
    if (simple) {  // the frame stands around the edit field only
        frame = info.rcItem;
        InflateRect(&frame, 3, 3);
    } else {
        GetClientRect(combo, &frame);
    }
    Frame(dc, frame, disabled ? scheme.disabledFrame : scheme.frame);
    RECT inner = frame;
    InflateRect(&inner, -1, -1);
    Frame(dc, inner, GetSysColor(disabled ? COLOR_BTNFACE : COLOR_WINDOW));

    if (simple || (info.stateButton & STATE_SYSTEM_INVISIBLE) || IsRectEmpty(&info.rcButton)) return;
    RECT button = info.rcButton;
    const bool pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    const RECT divider{button.left, button.top, button.left + 1, button.bottom};
    Fill(dc, divider, disabled ? scheme.disabledFrame : scheme.frame);
    button.left += 1;
    FillGradient(dc, button, FaceOf(scheme, {pressed, hover.control, disabled}));
    DrawArrow(dc, button, 1, disabled ? scheme.disabledFrame : scheme.mark);
}

}  // namespace app::skin
