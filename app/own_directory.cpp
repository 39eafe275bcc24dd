#include "app/own_directory.h"

#include <windows.h>

#include "app/ansi_path.h"

namespace app {

std::string OwnDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOf(path);
}

void MakeOwnDirectoryCurrent() { SetCurrentDirectoryA(OwnDirectory().c_str()); }

}  // namespace app
