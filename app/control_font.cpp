#include "app/control_font.h"

#include <cstring>

namespace app {

static_assert(sizeof(FontRecord) == sizeof(LOGFONTA));

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

FontRecord ControlFont::Current() const {
    if (record_) return *record_;
    LOGFONTA stock{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    FontRecord record;
    std::memcpy(static_cast<void*>(&record), &stock, sizeof record);
    return record;
}

HFONT ControlFont::Handle() const {
    return font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ControlFont::SetRecord(const FontRecord& record) {
    record_ = record;
    const FontRecord drawing = DrawingCopy(record);
    LOGFONTA logFont;
    std::memcpy(&logFont, &drawing, sizeof logFont);
    UniqueFont font(CreateFontIndirectA(&logFont));
    if (control_) {
        SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        InvalidateRect(control_, nullptr, TRUE);
    }
    font_ = std::move(font);  // the old font is deleted only once the control has let go of it
}

template <typename Change>
void ControlFont::Write(Change change) {
    FontRecord record = Current();
    change(record);
    SetRecord(record);
}

void ControlFont::SetBold(bool value) { Write([&](FontRecord& r) { WriteBold(r, value); }); }
void ControlFont::SetItalic(bool value) { Write([&](FontRecord& r) { WriteItalic(r, value); }); }
void ControlFont::SetStrikeOut(bool value) { Write([&](FontRecord& r) { WriteStrikeOut(r, value); }); }
void ControlFont::SetUnderline(bool value) { Write([&](FontRecord& r) { WriteUnderline(r, value); }); }
void ControlFont::SetSize(int points) { Write([&](FontRecord& r) { WriteSize(r, points, ScreenDpi()); }); }
void ControlFont::SetFaceName(std::string_view name) { Write([&](FontRecord& r) { WriteFaceName(r, name); }); }

}  // namespace app
