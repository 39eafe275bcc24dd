#include "app/font_dialog.h"

#include <commdlg.h>

#include <cstring>

#include "app/control_font.h"

namespace app {

static_assert(sizeof(FontRecord) == sizeof(LOGFONTA));

bool FontDialog::Open(HWND owner) {
    const int dpi = ScreenDpi();
    const FontRecord start = DialogStartRecord(*this, dpi);
    // The dialog's own copy: it may rewrite it even on Cancel.
    LOGFONTA logFont;
    std::memcpy(&logFont, &start, sizeof logFont);

    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &logFont;
    choice.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    choice.rgbColors = colour;
    if (!ChooseFontA(&choice)) return false;

    FontRecord chosen;
    std::memcpy(static_cast<void*>(&chosen), &logFont, sizeof chosen);
    TakeConfirmedChoice(*this, chosen, choice.rgbColors, dpi);
    return true;
}

}  // namespace app
