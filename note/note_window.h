// NoteWindow: the frameless, colour-keyed window that shows the note on the
// desktop. Its label 标签1 covers it whole and draws the text; since white is
// the colour key, only the text is seen. It is owned by a hidden top-level
// window, which keeps it off the taskbar.
#pragma once
#include <windows.h>

#include <string>

#include "app/control_font.h"
#include "app/unique_handle.h"

namespace app {
class MainWindow;
}

namespace note {

namespace detail {
inline void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
}  // namespace detail
using UniqueWindow = app::UniqueHandle<HWND, detail::DestroyWindowHandle>;

class NoteWindow {
public:
    NoteWindow() = default;
    NoteWindow(const NoteWindow&) = delete;
    NoteWindow& operator=(const NoteWindow&) = delete;
    ~NoteWindow();

    // Creates the window with its label and runs the creation handler, which
    // takes the note over from mainWindow's editor. Does not show it; false
    // when the window cannot be created.
    bool Create(app::MainWindow& mainWindow);

    HWND Handle() const { return window_.Get(); }
    HWND Label() const { return 标签1_; }
    RECT Rect() const;  // outer rectangle in screen coordinates

    std::string LabelText() const;
    COLORREF LabelTextColour() const { return 标签1Colour_; }
    const app::ControlFont& LabelFont() const { return 标签1Font_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleLabelMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreated(app::MainWindow& mainWindow);
    void PaintLabel();
    void StartDrag() const;

    // The font outlives the label that draws with it.
    app::ControlFont 标签1Font_;
    COLORREF 标签1Colour_ = 0x0000FF;
    UniqueWindow owner_;
    UniqueWindow window_;
    HWND 标签1_ = nullptr;  // destroyed with the window
};

}  // namespace note
