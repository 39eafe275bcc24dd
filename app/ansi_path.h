// Paths in code page 936: a byte from 0x81 to 0xFE begins a two-byte
// character whose second byte may be 0x5C, which is not a backslash then.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Position of the last backslash that is a character of its own, or npos.
std::size_t FindLastBackslash(std::string_view path);

// The text before the last backslash; empty when there is none.
std::string DirectoryOf(std::string_view path);

// True when the path's last character is a backslash of its own.
bool EndsWithBackslash(std::string_view path);

// The parts of a path between slashes or backslashes.
std::vector<std::string> SplitPath(std::string_view path);

}  // namespace app
