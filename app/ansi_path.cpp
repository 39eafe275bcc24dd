#include "app/ansi_path.h"

namespace app {
namespace {

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

std::size_t FindLastBackslash(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(path[i]) && i + 1 < path.size())
            ++i;
        else if (path[i] == '\\')
            last = i;
    }
    return last;
}

std::string DirectoryOf(std::string_view path) {
    const std::size_t slash = FindLastBackslash(path);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

bool EndsWithBackslash(std::string_view path) {
    return !path.empty() && FindLastBackslash(path) == path.size() - 1;
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

}  // namespace app
