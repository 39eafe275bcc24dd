// The font-dialog component 通用对话框1 of MainWindow: seven settings that
// live as long as the program and an open operation that shows ChooseFontA.
#pragma once
#include <windows.h>

#include <string>

namespace app {

struct FontDialog {
    COLORREF colour = 0x0000FF;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    std::string faceName;
    int size = 0;  // points; 0 presets no size

    // Shows the dialog modally; true when the user confirmed with OK, and
    // only then are the settings read back.
    bool Open(HWND owner);
};

}  // namespace app
