#include "updater/zip_entry_name.h"

#include "updater/ansi_path.h"

namespace updater {
namespace {

// Windows drops trailing dots and blanks from a name, so "..." or ".. "
// would climb like "..": a part of nothing but dots and blanks is refused,
// except "." itself, which names the folder it stands in.
bool ClimbsOrVanishes(const std::string& part) {
    return part.find_first_not_of(". ") == std::string::npos && part != ".";
}

bool HasForbiddenByte(const std::string& part) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        const auto byte = static_cast<unsigned char>(part[i]);
        if (byte >= 0x81 && byte <= 0xFE) {
            ++i;  // a trail byte is a character's second half
            continue;
        }
        if (byte < 0x20 || byte == ':') return true;
    }
    return false;
}

}  // namespace

std::optional<EntryPath> SafeEntryPath(std::string_view name) {
    if (name.empty() || name[0] == '/' || name[0] == '\\') return std::nullopt;
    std::vector<std::string> parts = SplitPath(name);
    EntryPath path;
    path.folder = parts.back().empty();
    if (path.folder) parts.pop_back();
    for (const std::string& part : parts) {
        if (part.empty() || part == ".") continue;
        if (ClimbsOrVanishes(part) || HasForbiddenByte(part)) return std::nullopt;
        if (!path.relative.empty()) path.relative += '\\';
        path.relative += part;
    }
    if (path.relative.empty()) return std::nullopt;
    return path;
}

}  // namespace updater
