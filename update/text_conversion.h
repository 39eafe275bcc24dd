// The manifest's text conversions: UTF-8 to code page 936 by way of UTF-16.
// Byte blocks are std::string; a UTF-16 block holds little-endian units.
#pragma once
#include <string>

namespace update {

// A zero-filled block of UTF-16 units, ended by a zero unit; its size is
// counted in the ANSI code page (never smaller than UTF-8 needs).
std::string ToUtf16(const std::string& text, unsigned codePage = 65001);
// The text of a UTF-16 block in codePage (0: the ANSI code page), up to its
// first zero byte.
std::string FromUtf16(const std::string& block, unsigned codePage = 0);
// ToUtf16 then FromUtf16 with code page 936.
std::string Utf8ToAnsi(const std::string& text);

}  // namespace update
