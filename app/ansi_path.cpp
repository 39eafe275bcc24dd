#include "app/ansi_path.h"

namespace app {

std::size_t FindLastBackslash(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (byte >= 0x81 && byte <= 0xFE && i + 1 < path.size())
            ++i;
        else if (byte == '\\')
            last = i;
    }
    return last;
}

std::string DirectoryOf(std::string_view path) {
    const std::size_t slash = FindLastBackslash(path);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

}  // namespace app
