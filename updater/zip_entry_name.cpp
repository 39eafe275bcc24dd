#include "updater/zip_entry_name.h"

#include "app/ansi_path.h"

namespace updater {
namespace {

// Windows drops trailing dots and blanks from a name, so "..." or ".. "
// would climb like "..": a part of nothing but dots and blanks is refused,
// except "." itself, which names the folder it stands in.
bool ClimbsOrVanishes(const std::string& part) {
    return part.find_first_not_of(". ") == std::string::npos && part != ".";
}

// A lead byte must be followed by a second byte of 0x40 or more: anything
// lower (a zero byte above all, which would cut the path short) is no
// character of code page 936.
bool HasForbiddenByte(const std::string& part) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        const auto byte = static_cast<unsigned char>(part[i]);
        if (byte >= 0x81 && byte <= 0xFE) {
            if (i + 1 == part.size() || static_cast<unsigned char>(part[i + 1]) < 0x40) return true;
            ++i;  // a trail byte is a character's second half
            continue;
        }
        if (byte < 0x20 || byte == ':') return true;
    }
    return false;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices in every folder, with
// any extension: a file of that name would be written to the device.
bool NamesADevice(const std::string& part) {
    std::string base = part.substr(0, part.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

}  // namespace

std::optional<EntryPath> SafeEntryPath(std::string_view name) {
    if (name.empty() || name[0] == '/' || name[0] == '\\') return std::nullopt;
    std::vector<std::string> parts = app::SplitPath(name);
    EntryPath path;
    path.folder = parts.back().empty();
    if (path.folder) parts.pop_back();
    for (const std::string& part : parts) {
        if (part.empty() || part == ".") continue;
        if (ClimbsOrVanishes(part) || HasForbiddenByte(part) || NamesADevice(part)) return std::nullopt;
        if (!path.relative.empty()) path.relative += '\\';
        path.relative += part;
    }
    if (path.relative.empty()) return std::nullopt;
    return path;
}

}  // namespace updater
