// A stand-in for the updater in the update tests: writes the bytes of its
// command line to command_line.bin next to itself and ends. The file appears
// complete or not at all, so a test may read it as soon as it exists.
#include <windows.h>

#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    // Code page 936: a backslash may be the second byte of a character.
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        if (static_cast<unsigned char>(folder[i]) >= 0x81 && i + 1 < folder.size()) {
            ++i;
            continue;
        }
        if (folder[i] == '\\') last = i;
    }
    return last == std::string::npos ? std::string() : folder.substr(0, last);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string line = GetCommandLineA();
    const std::string folder = OwnFolder();
    const std::string partial = folder + "\\command_line.tmp";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != line.size()) return 1;
    return MoveFileExA(partial.c_str(), (folder + "\\command_line.bin").c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
