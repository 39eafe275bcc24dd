// Which entries of an update archive may be written, and where: an entry's
// name becomes a path below the extraction folder, or is refused.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace updater {

struct EntryPath {
    std::string relative;  // parts joined by backslashes, no leading or trailing one
    bool folder = false;   // the name ended with a slash: a folder entry
};

// The path below the extraction folder for an entry name in code page 936;
// nothing for a name that is absolute (leading slash or backslash, a drive, a
// UNC path), climbs with "..", holds a colon, a control character or a broken
// two-byte character, names a device (CON, NUL, COM1 ...), or names no file
// at all.
std::optional<EntryPath> SafeEntryPath(std::string_view name);

}  // namespace updater
