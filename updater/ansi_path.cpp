#include "updater/ansi_path.h"

namespace updater {
namespace {

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// Position of the last separator that is a character of its own, or npos.
std::size_t FindLastSeparator(std::string_view path, bool slashesToo) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(path[i])) {
            ++i;
        } else if (path[i] == '\\' || (slashesToo && path[i] == '/')) {
            found = i;
        }
    }
    return found;
}

}  // namespace

bool EndsWithBackslash(std::string_view path) {
    return !path.empty() && FindLastSeparator(path, false) == path.size() - 1;
}

std::string DirectoryOf(std::string_view path) {
    const std::size_t last = FindLastSeparator(path, false);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/') {
            parts.emplace_back();
            continue;
        }
        parts.back() += path[i];
        if (IsLeadByte(path[i]) && i + 1 < path.size()) parts.back() += path[++i];
    }
    return parts;
}

}  // namespace updater
