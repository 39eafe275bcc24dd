// The font of a text control (ControlFont): a LOGFONTA record, and the six
// fields through which the program reads and writes it. No windows.h here, so
// the rules are tested natively; dpi is the screen's LOGPIXELSY.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// Byte for byte the layout of LOGFONTA.
struct FontRecord {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[32] = {};

    friend bool operator==(const FontRecord&, const FontRecord&) = default;
};

inline constexpr int kBoldWeight = 700;
inline constexpr char kDefaultFaceName[] = "宋体";

bool ReadBold(const FontRecord& font);
bool ReadItalic(const FontRecord& font);
bool ReadStrikeOut(const FontRecord& font);
bool ReadUnderline(const FontRecord& font);
int ReadSize(const FontRecord& font, int dpi);
std::string ReadFaceName(const FontRecord& font);

void WriteBold(FontRecord& font, bool bold);
void WriteItalic(FontRecord& font, bool italic);
void WriteStrikeOut(FontRecord& font, bool strikeOut);
void WriteUnderline(FontRecord& font, bool underline);
void WriteSize(FontRecord& font, int points, int dpi);
void WriteFaceName(FontRecord& font, std::string_view name);

// The note editor's font when MainWindow is created.
FontRecord InitialEditorFont();

// The copy a control hands to CreateFontIndirectA: charset, precisions,
// quality and pitch are fixed whatever the record holds.
FontRecord DrawingCopy(FontRecord font);

}  // namespace app
