#include "support/road_unix.h"

#include <cstdlib>

#include "support/driver.h"
#include "support/nginx_server.h"
#include "support/program_folder.h"

namespace e2e {

int RunUnixScript(const std::string& command, const std::string& unixFolder, DWORD milliseconds) {
    static int runs = 0;
    const std::string name = unixFolder + "/run" + std::to_string(++runs);
    const std::string status = WindowsPathOf(name + ".status");
    DeleteFileA(status.c_str());
    // The status file appears whole or not at all.
    const std::string script = command + "\necho $? >\"" + name + ".part\" && mv \"" + name + ".part\" \"" + name +
                               ".status\"\n";
    if (!WriteFileBytes(WindowsPathOf(name + ".sh"), script)) return -1;
    std::string line = "/bin/bash \"" + name + ".sh\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return -1;
    if (started.hThread) CloseHandle(started.hThread);
    if (started.hProcess) CloseHandle(started.hProcess);
    if (!WaitUntil([&] { return Exists(status); }, milliseconds)) return -1;
    return std::atoi(ReadFileBytes(status).c_str());
}

}  // namespace e2e
