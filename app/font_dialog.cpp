#include "app/font_dialog.h"

#include <commdlg.h>

#include <cstring>

#include "app/control_font.h"
#include "app/unique_handle.h"

namespace app {
namespace {

inline void ReleaseModule(HMODULE module) { FreeLibrary(module); }
using UniqueModule = UniqueHandle<HMODULE, ReleaseModule>;

// ChooseFontA from the common dialog DLL, loaded when the dialog is first
// wanted rather than at start-up: under Wine it brings the shell's DLLs
// along and made the program start a third slower. FALSE, as a cancelled
// dialog, should the DLL not load.
BOOL ChooseFontOnDemand(CHOOSEFONTA* choice) {
    static const UniqueModule module(LoadLibraryA("comdlg32.dll"));
    static const auto choose = reinterpret_cast<decltype(&ChooseFontA)>(
        reinterpret_cast<void (*)()>(module ? GetProcAddress(module.Get(), "ChooseFontA") : nullptr));
    return choose ? choose(choice) : FALSE;
}

}  // namespace

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
    if (!ChooseFontOnDemand(&choice)) return false;

    FontRecord chosen;
    std::memcpy(static_cast<void*>(&chosen), &logFont, sizeof chosen);
    TakeConfirmedChoice(*this, chosen, choice.rgbColors, dpi);
    return true;
}

}  // namespace app
