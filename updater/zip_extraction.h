// The walk through an archive's entries that ExtractZip makes: which entries
// are written and where, the folders made on the way, and a file whose data
// is broken or fails its CRC not kept. The file calls come from outside, so
// the same walk runs on Windows' calls in the updater and on a native stand-in
// under the fuzzer.
#pragma once
#include <cstddef>
#include <string>

#include <unzip.h>

namespace updater {

// Paths given to these calls are the extraction folder followed by
// backslash-joined parts in the code page of the entry names.
class ExtractionFiles {
public:
    virtual ~ExtractionFiles() = default;
    // A UTF-8 entry name in that code page; empty when it has no faithful form.
    virtual std::string FromUtf8(const std::string& utf8) = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    // Opens a file for writing, emptied; false when it cannot be.
    virtual bool Create(const std::string& path) = 0;
    virtual bool Write(const char* data, std::size_t size) = 0;
    // Closes the file Create opened: stamped with the entry's DOS date and
    // time when kept, deleted otherwise.
    virtual void Finish(const std::string& path, bool keep, unsigned long dosDate) = 0;
};

// Extracts every entry of an opened archive below folder: 1 when all of them
// were written, -1 when an entry was skipped or failed.
int ExtractEntries(unzFile archive, const std::string& folder, ExtractionFiles& files);

}  // namespace updater
