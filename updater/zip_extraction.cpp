#include "updater/zip_extraction.h"

#include <optional>
#include <vector>

#include "app/ansi_path.h"
#include "updater/zip_entry_name.h"

namespace updater {
namespace {

constexpr unsigned long kUtf8NameFlag = 1 << 11;
constexpr unsigned kChunkBytes = 256 * 1024;

// Creates every level of a folder below base; relative uses backslashes.
void CreateFolders(ExtractionFiles& files, const std::string& base, const std::string& relative) {
    std::string path = base;
    for (const std::string& part : app::SplitPath(relative)) {
        if (part.empty()) continue;
        path += '\\';
        path += part;
        files.CreateFolder(path);
    }
}

// Writes the current entry to path; false (and no file) when its data is
// broken or fails its CRC.
bool ExtractEntry(unzFile archive, ExtractionFiles& files, const std::string& path, unsigned long dosDate,
                  std::vector<char>& buffer) {
    if (unzOpenCurrentFile(archive) != UNZ_OK) return false;
    if (!files.Create(path)) {
        unzCloseCurrentFile(archive);
        return false;
    }
    bool good = true;
    for (;;) {
        const int read = unzReadCurrentFile(archive, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (read == 0) break;
        if (read < 0 || !files.Write(buffer.data(), static_cast<std::size_t>(read))) {
            good = false;
            break;
        }
    }
    if (unzCloseCurrentFile(archive) != UNZ_OK) good = false;  // UNZ_CRCERROR among others
    // A damaged entry must not be installed over a good file.
    files.Finish(path, good, dosDate);
    return good;
}

}  // namespace

int ExtractEntries(unzFile archive, const std::string& folder, ExtractionFiles& files) {
    std::vector<char> buffer(kChunkBytes);
    bool complete = true;
    int status = unzGoToFirstFile(archive);
    while (status == UNZ_OK) {
        unz_file_info64 info{};
        char name[1024] = {};
        if (unzGetCurrentFileInfo64(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
            complete = false;
            break;
        }
        std::string entryName(name, info.size_filename < sizeof name ? info.size_filename : sizeof name - 1);
        if (info.flag & kUtf8NameFlag) entryName = files.FromUtf8(entryName);
        const std::optional<EntryPath> path = SafeEntryPath(entryName);
        if (!path || info.size_filename >= sizeof name) {
            complete = false;
        } else if (path->folder) {
            CreateFolders(files, folder, path->relative);
        } else {
            CreateFolders(files, folder, app::DirectoryOf(path->relative));
            if (!ExtractEntry(archive, files, folder + "\\" + path->relative, info.dosDate, buffer)) complete = false;
        }
        status = unzGoToNextFile(archive);
    }
    if (status != UNZ_END_OF_LIST_OF_FILE) complete = false;
    return complete ? 1 : -1;
}

}  // namespace updater
