// The font-dialog component 通用对话框1 of MainWindow: seven settings that
// live as long as the program and an open operation that shows ChooseFontA.
#pragma once
#include <windows.h>

#include "app/font_settings.h"

namespace app {

struct FontDialog : FontSettings {
    // Shows the dialog modally; true when the user confirmed with OK, and
    // only then are the settings read back.
    bool Open(HWND owner);
};

}  // namespace app
