// Runs a Linux command from the Windows test driver and waits for its end.
// Wine starts a Unix program from CreateProcessA but hands back no process
// handle to wait on, so the command runs inside a small bash script that
// leaves its exit status in a file, and the driver polls for that file.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// Runs the bash command line in the Unix folder (which holds the script and
// its status file); its exit status, or -1 when it did not end in time.
int RunUnixScript(const std::string& command, const std::string& unixFolder, DWORD milliseconds = 60000);

}  // namespace e2e
