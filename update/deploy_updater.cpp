#include "update/deploy_updater.h"

#include <windows.h>

#include "app/unique_handle.h"
#include "update/update_payload.h"
#include "update/updater_command_line.h"

namespace update {

bool NameExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    return static_cast<bool>(app::UniqueFind(FindFirstFileA(path.c_str(), &found)));
}

void DeployUpdater(const std::string& programDirectory) {
    const std::string folder = UpdateFolder(programDirectory);
    const std::string updater = UpdaterPath(programDirectory);
    if (NameExists(folder)) {
        // A file named like the folder counts as well: the write below then
        // fails, and nothing is reported.
        if (!NameExists(updater)) WriteUpdatePayload(updater);
        return;
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteUpdatePayload(updater);
}

}  // namespace update
