#include "updater/extract_zip.h"

#include <windows.h>

#include <optional>
#include <vector>

// unzip.h brings the declarations iowin32.h builds on.
#include <unzip.h>
#include <iowin32.h>

#include "app/unique_handle.h"
#include "updater/ansi_path.h"
#include "updater/zip_entry_name.h"

namespace updater {
namespace {

constexpr unsigned long kUtf8NameFlag = 1 << 11;
constexpr unsigned kChunkBytes = 256 * 1024;

void CloseArchive(unzFile archive) { unzClose(archive); }
using UniqueArchive = app::UniqueHandle<unzFile, CloseArchive>;

// A UTF-8 name in the ANSI code page the file calls take; empty on failure.
std::string Utf8ToAnsi(const std::string& utf8) {
    const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                         nullptr, 0);
    if (wide <= 0) return {};
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), wide);
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy) return {};
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), wide, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

// Creates every level of a folder below base; relative uses backslashes.
void CreateFolders(const std::string& base, const std::string& relative) {
    std::string path = base;
    for (const std::string& part : SplitPath(relative)) {
        if (part.empty()) continue;
        path += '\\';
        path += part;
        CreateDirectoryA(path.c_str(), nullptr);
    }
}

void SetModificationTime(HANDLE file, unsigned long dosDate) {
    FILETIME local{}, utc{};
    if (DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local) && LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(file, nullptr, nullptr, &utc);
}

// Writes the current entry to path; false (and no file) when its data is
// broken or fails its CRC.
bool ExtractEntry(unzFile archive, const std::string& path, unsigned long dosDate, std::vector<char>& buffer) {
    if (unzOpenCurrentFile(archive) != UNZ_OK) return false;
    bool good = true;
    {
        app::UniqueFile file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            unzCloseCurrentFile(archive);
            return false;
        }
        for (;;) {
            const int read = unzReadCurrentFile(archive, buffer.data(), static_cast<unsigned>(buffer.size()));
            if (read == 0) break;
            DWORD written = 0;
            if (read < 0 || !WriteFile(file.Get(), buffer.data(), static_cast<DWORD>(read), &written, nullptr) ||
                written != static_cast<DWORD>(read)) {
                good = false;
                break;
            }
        }
        if (unzCloseCurrentFile(archive) != UNZ_OK) good = false;  // UNZ_CRCERROR among others
        if (good) SetModificationTime(file.Get(), dosDate);
    }
    // A damaged entry must not be installed over a good file.
    if (!good) DeleteFileA(path.c_str());
    return good;
}

}  // namespace

int ExtractZip(const std::string& archivePath, const std::string& folder) {
    zlib_filefunc64_def functions{};
    fill_win32_filefunc64A(&functions);
    UniqueArchive archive(unzOpen2_64(archivePath.c_str(), &functions));
    if (!archive) return 0;

    std::vector<char> buffer(kChunkBytes);
    bool complete = true;
    int status = unzGoToFirstFile(archive.Get());
    while (status == UNZ_OK) {
        unz_file_info64 info{};
        char name[1024] = {};
        if (unzGetCurrentFileInfo64(archive.Get(), &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
            complete = false;
            break;
        }
        std::string entryName(name, info.size_filename < sizeof name ? info.size_filename : sizeof name - 1);
        if (info.flag & kUtf8NameFlag) entryName = Utf8ToAnsi(entryName);
        const std::optional<EntryPath> path = SafeEntryPath(entryName);
        if (!path || info.size_filename >= sizeof name) {
            complete = false;
        } else if (path->folder) {
            CreateFolders(folder, path->relative);
        } else {
            CreateFolders(folder, DirectoryOf(path->relative));
            if (!ExtractEntry(archive.Get(), folder + "\\" + path->relative, info.dosDate, buffer)) complete = false;
        }
        status = unzGoToNextFile(archive.Get());
    }
    if (status != UNZ_END_OF_LIST_OF_FILE) complete = false;
    return complete ? 1 : -1;
}

}  // namespace updater
