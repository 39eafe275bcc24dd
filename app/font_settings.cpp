#include "app/font_settings.h"

#include <cstdlib>
#include <cstring>

#include "app/mul_div.h"

namespace app {
namespace {

// Bytes of text that fit in capacity - 1 without splitting a two-byte
// character of code page 936 (lead bytes 0x81 to 0xFE).
std::size_t FittingLength(const std::string& text, std::size_t capacity) {
    std::size_t length = 0;
    while (length < text.size()) {
        const auto byte = static_cast<unsigned char>(text[length]);
        const std::size_t step = (byte >= 0x81 && byte <= 0xFE && length + 1 < text.size()) ? 2 : 1;
        if (length + step > capacity - 1) break;
        length += step;
    }
    return length;
}

}  // namespace

FontRecord DialogStartRecord(const FontSettings& settings, int dpi) {
    FontRecord record;
    if (settings.bold) record.weight = kBoldWeight;
    if (settings.italic) record.italic = 1;
    if (settings.underline) record.underline = 1;
    if (settings.strikeOut) record.strikeOut = 1;
    std::memcpy(record.faceName, settings.faceName.data(), FittingLength(settings.faceName, sizeof record.faceName));
    if (settings.size != 0) record.height = -MulDiv(settings.size, dpi, 72);
    return record;
}

void TakeConfirmedChoice(FontSettings& settings, const FontRecord& chosen, std::uint32_t colour, int dpi) {
    settings.colour = colour;
    settings.bold = chosen.weight >= kBoldWeight;
    settings.italic = chosen.italic != 0;
    settings.underline = chosen.underline != 0;
    settings.strikeOut = chosen.strikeOut != 0;
    settings.faceName = ReadFaceName(chosen);
    settings.size = MulDiv(std::abs(chosen.height), 72, dpi);
}

}  // namespace app
