#include "support/program_folder.h"

#include <windows.h>

#include "support/driver.h"

namespace e2e {

ProgramFolder::ProgramFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + name;
    DeleteTree(path_);  // left by a driver that died
    ready_ = CreateDirectoryA(path_.c_str(), nullptr) &&
             CopyFileA(DistPath("屏笺.exe").c_str(), (*this / "屏笺.exe").c_str(), FALSE);
}

ProgramFolder::~ProgramFolder() { DeleteTree(path_); }

std::string ReadFileBytes(const std::string& path, bool* ok) {
    if (ok) *ok = false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char block[65536];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0) bytes.append(block, read);
    CloseHandle(file);
    if (ok) *ok = true;
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void DeleteTree(const std::string& path) {
    if (!IsFolder(path)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") DeleteTree(path + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace e2e
