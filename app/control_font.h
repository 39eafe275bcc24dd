// ControlFont of a text control: either none (the control draws with
// DEFAULT_GUI_FONT) or one LOGFONTA record, read and written field by field.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "app/font_record.h"
#include "app/unique_handle.h"

namespace app {

// GetDeviceCaps(LOGPIXELSY) of the screen.
int ScreenDpi();

class ControlFont {
public:
    explicit ControlFont(HWND control = nullptr) : control_(control) {}
    void Attach(HWND control) { control_ = control; }

    bool Bold() const { return ReadBold(Current()); }
    bool Italic() const { return ReadItalic(Current()); }
    bool StrikeOut() const { return ReadStrikeOut(Current()); }
    bool Underline() const { return ReadUnderline(Current()); }
    int Size() const { return ReadSize(Current(), ScreenDpi()); }
    std::string FaceName() const { return ReadFaceName(Current()); }

    // Each write starts from the current record, changes one field, stores
    // the result and redraws the control with the new font at once.
    void SetBold(bool value);
    void SetItalic(bool value);
    void SetStrikeOut(bool value);
    void SetUnderline(bool value);
    void SetSize(int points);
    void SetFaceName(std::string_view name);

    void SetRecord(const FontRecord& record);
    const std::optional<FontRecord>& Record() const { return record_; }
    // The font to draw with: the record's, or DEFAULT_GUI_FONT.
    HFONT Handle() const;

private:
    FontRecord Current() const;
    template <typename Change>
    void Write(Change change);

    HWND control_;
    std::optional<FontRecord> record_;
    UniqueFont font_;
};

}  // namespace app
