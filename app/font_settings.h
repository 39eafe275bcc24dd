// The seven settings of the font-dialog component 通用对话框1 and their two
// conversions: into the LOGFONT the dialog starts from, and back from the
// LOGFONT the user confirmed. No windows.h here; dpi is the screen's
// LOGPIXELSY.
#pragma once
#include <cstdint>
#include <string>

#include "app/font_record.h"

namespace app {

struct FontSettings {
    std::uint32_t colour = 0x0000FF;  // COLORREF, red
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    std::string faceName;  // code page 936
    int size = 0;          // points; 0 presets no size
};

// A zero-filled record with the weight, styles, face name and (unless size
// is 0) the height of the settings. A face name longer than the record holds
// is cut at a character boundary.
FontRecord DialogStartRecord(const FontSettings& settings, int dpi);

// Takes over the user's confirmed choice: colour, bold (weight >= 700),
// italic, underline, strike-out, face name and size in points.
void TakeConfirmedChoice(FontSettings& settings, const FontRecord& chosen, std::uint32_t colour, int dpi);

}  // namespace app
