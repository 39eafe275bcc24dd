#include "updater/extract_zip.h"

#include <windows.h>

// unzip.h brings the declarations iowin32.h builds on.
#include <unzip.h>
#include <iowin32.h>

#include "app/unique_handle.h"
#include "updater/zip_extraction.h"

namespace updater {
namespace {

void CloseArchive(unzFile archive) { unzClose(archive); }
using UniqueArchive = app::UniqueHandle<unzFile, CloseArchive>;

// The extraction's file calls on Windows, in the ANSI code page.
class WindowsFiles final : public ExtractionFiles {
public:
    std::string FromUtf8(const std::string& utf8) override {
        const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
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

    void CreateFolder(const std::string& path) override { CreateDirectoryA(path.c_str(), nullptr); }

    bool Create(const std::string& path) override {
        file_.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file_);
    }

    bool Write(const char* data, std::size_t size) override {
        DWORD written = 0;
        return WriteFile(file_.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
               written == static_cast<DWORD>(size);
    }

    void Finish(const std::string& path, bool keep, unsigned long dosDate) override {
        FILETIME local{}, utc{};
        if (keep && DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local) &&
            LocalFileTimeToFileTime(&local, &utc))
            SetFileTime(file_.Get(), nullptr, nullptr, &utc);
        file_.Reset();
        if (!keep) DeleteFileA(path.c_str());
    }

private:
    app::UniqueFile file_;
};

}  // namespace

int ExtractZip(const std::string& archivePath, const std::string& folder) {
    zlib_filefunc64_def functions{};
    fill_win32_filefunc64A(&functions);
    UniqueArchive archive(unzOpen2_64(archivePath.c_str(), &functions));
    if (!archive) return 0;
    WindowsFiles files;
    return ExtractEntries(archive.Get(), folder, files);
}

}  // namespace updater
