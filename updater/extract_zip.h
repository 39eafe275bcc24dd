// ExtractZip, the operation of ZIP压缩1: unpacks an archive below a folder
// with zlib's minizip. Stored and deflated entries; folders are made as
// needed; each file gets its entry's date and time. Names are code page 936
// unless the entry is flagged UTF-8. An entry whose name would leave the
// folder is skipped; a file whose data fails its CRC is not kept.
#pragma once
#include <string>

namespace updater {

// 1 when the whole archive was extracted, 0 when it cannot be opened, -1
// when an entry was skipped or failed.
int ExtractZip(const std::string& archive, const std::string& folder);

}  // namespace updater
