#include "update/manifest_version.h"

#include <cstdlib>

namespace update {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest decimal-number prefix of text starting at pos; 0 when
// there is none.
std::size_t NumberLength(std::string_view text, std::size_t pos) {
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        std::size_t fraction = 0;
        while (after < text.size() && IsDigit(text[after])) ++after, ++fraction;
        if (digits + fraction > 0) {
            pos = after;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t firstDigit = exponent;
        while (exponent < text.size() && IsDigit(text[exponent])) ++exponent;
        if (exponent > firstDigit) pos = exponent;
    }
    return pos - start;
}

}  // namespace

std::string NormaliseFullWidth(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead >= 0x81 && pos + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[pos + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                result += static_cast<char>(trail - 0x80);
            else if (lead == 0xA1 && trail == 0xA1)
                result += ' ';
            else
                result.append(text.substr(pos, 2));
            pos += 2;
        } else {
            result += text[pos++];
        }
    }
    return result;
}

double ReadVersionNumber(std::string_view text) {
    const std::string normal = NormaliseFullWidth(text);
    std::size_t pos = 0;
    while (pos < normal.size() && (normal[pos] == ' ' || (normal[pos] >= '\t' && normal[pos] <= '\r'))) ++pos;
    const std::size_t length = NumberLength(normal, pos);
    if (length == 0) return 0.0;
    // strtod reads exactly this prefix: it is a plain decimal number, so no
    // hexadecimal, infinity or NaN spelling can reach it.
    const std::string number = normal.substr(pos, length);
    return std::strtod(number.c_str(), nullptr);
}

bool IsNewerVersion(double version) { return version - OwnVersion > kNewerThreshold; }

}  // namespace update
