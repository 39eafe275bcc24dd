// Paths in code page 936: a byte from 0x81 to 0xFE begins a two-byte
// character whose second byte may be 0x5C, which is no backslash then.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace updater {

// True when the path's last character is a backslash of its own.
bool EndsWithBackslash(std::string_view path);

// The text before the last backslash; empty when there is none.
std::string DirectoryOf(std::string_view path);

// The parts of a path between slashes or backslashes.
std::vector<std::string> SplitPath(std::string_view path);

}  // namespace updater
