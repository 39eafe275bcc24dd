#include "app/font_record.h"

#include <cstdlib>
#include <cstring>

#include "app/mul_div.h"

namespace app {

bool ReadBold(const FontRecord& font) { return font.weight >= kBoldWeight; }
bool ReadItalic(const FontRecord& font) { return font.italic != 0; }
bool ReadStrikeOut(const FontRecord& font) { return font.strikeOut != 0; }
bool ReadUnderline(const FontRecord& font) { return font.underline != 0; }

int ReadSize(const FontRecord& font, int dpi) { return MulDiv(std::abs(font.height), 72, dpi); }

std::string ReadFaceName(const FontRecord& font) {
    return std::string(font.faceName, strnlen(font.faceName, sizeof font.faceName));
}

void WriteBold(FontRecord& font, bool bold) { font.weight = bold ? kBoldWeight : 0; }
void WriteItalic(FontRecord& font, bool italic) { font.italic = italic ? 1 : 0; }
void WriteStrikeOut(FontRecord& font, bool strikeOut) { font.strikeOut = strikeOut ? 1 : 0; }
void WriteUnderline(FontRecord& font, bool underline) { font.underline = underline ? 1 : 0; }

void WriteSize(FontRecord& font, int points, int dpi) {
    if (points < 0) points = 0;
    font.height = -MulDiv(points, dpi, 72);
}

void WriteFaceName(FontRecord& font, std::string_view name) {
    if (name.empty() || name.size() >= sizeof font.faceName) name = kDefaultFaceName;
    std::memset(font.faceName, 0, sizeof font.faceName);
    std::memcpy(font.faceName, name.data(), name.size());
}

FontRecord InitialEditorFont() {
    FontRecord font;
    font.height = -56;
    font.weight = kBoldWeight;
    font.italic = 1;
    font.charSet = 134;  // GB2312_CHARSET
    return font;
}

FontRecord DrawingCopy(FontRecord font) {
    font.charSet = 1;         // DEFAULT_CHARSET
    font.outPrecision = 0;    // OUT_DEFAULT_PRECIS
    font.clipPrecision = 0;   // CLIP_DEFAULT_PRECIS
    font.quality = 2;         // PROOF_QUALITY
    font.pitchAndFamily = 0;  // DEFAULT_PITCH
    return font;
}

}  // namespace app
