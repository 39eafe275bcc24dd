// The flat look's drawing: one routine per kind of control. Each draws with
// the scheme's colours and the control's own state, text and font.
#pragma once
#include <windows.h>

#include "app/control_skin_scheme.h"

namespace app::skin {

struct Hover {
    bool control = false;  // the cursor is over the control
};

// Client-area painters: they draw everything the control shows.
void PaintPushButton(HWND button, HDC dc, const Scheme& scheme, Hover hover);
void PaintCheckOrRadio(HWND button, HDC dc, const Scheme& scheme, Hover hover, bool radio);
void PaintGroupBox(HWND button, HDC dc, const Scheme& scheme);
void PaintUpDown(HWND upDown, HDC dc, const Scheme& scheme);

// Overdrawn after the control has painted itself: the frame of an edit box
// or list (non-client edge) and a combo box's frame and drop-down button.
void PaintEdgeFrame(HWND control, const Scheme& scheme);
// An edit box that frames its client area itself, framed over.
void PaintClientBorder(HWND edit, const Scheme& scheme);
void PaintComboParts(HWND combo, HDC dc, const Scheme& scheme, Hover hover);

}  // namespace app::skin
