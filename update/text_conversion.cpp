#include "update/text_conversion.h"

#include <windows.h>

namespace update {

std::string ToUtf16(const std::string& text, unsigned codePage) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (units <= 0) return {};
    std::string block(static_cast<std::size_t>(2.0 * units), '\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, reinterpret_cast<wchar_t*>(block.data()), units);
    return block;
}

std::string FromUtf16(const std::string& block, unsigned codePage) {
    // The conversions below read up to a zero unit; one that filled its block
    // to the end may have left none, so they are given the length within it.
    const auto* units = reinterpret_cast<const wchar_t*>(block.data());
    const int available = static_cast<int>(block.size() / 2);
    int length = 0;
    while (length < available && units[length] != 0) ++length;
    const std::wstring terminated(units, static_cast<std::size_t>(length));

    const int bytes = WideCharToMultiByte(CP_ACP, 0, terminated.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    const auto size = static_cast<std::size_t>(2.0 * bytes);
    std::string text(size, ' ');
    text.push_back('\0');
    WideCharToMultiByte(codePage, 0, terminated.c_str(), -1, text.data(), static_cast<int>(size), nullptr, nullptr);
    return text.substr(0, text.find('\0'));
}

std::string Utf8ToAnsi(const std::string& text) { return FromUtf16(ToUtf16(text), 936); }

}  // namespace update
