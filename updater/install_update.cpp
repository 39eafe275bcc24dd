// RequestInstall and InstallUpdate: the downloaded archive is unpacked into
// e_update, that tree is copied over the main program's folder, the archive
// is deleted, the main program is started again and the updater ends.
#include "update/process_pending_messages.h"
#include "updater/copy_tree.h"
#include "updater/extract_zip.h"
#include "updater/updater.h"
#include "updater/updater_messages.h"
#include "updater/updater_paths.h"

namespace updater {
namespace {

constexpr DWORD kProgramFileWait = 10000;
constexpr DWORD kProgramFileStep = 100;

// The main program waits up to a second for the updater before it ends, and
// while it runs its executable cannot be replaced: wait until the file can
// be opened for writing, is missing, or is read-only (then it never will).
void WaitForWritableProgramFile(const std::string& path) {
    const ULONGLONG deadline = GetTickCount64() + kProgramFileWait;
    for (;;) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return;
        app::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() == ERROR_FILE_NOT_FOUND || GetTickCount64() >= deadline) return;
        update::ProcessPendingMessages();
        Sleep(kProgramFileStep);
    }
}

void StartProgram(const std::string& path) {
    std::string commandLine = ProgramCommandLine(path);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return;
    app::UniqueKernelHandle process(started.hProcess);
    app::UniqueKernelHandle thread(started.hThread);
    WaitForInputIdle(process.Get(), 1000);
}

}  // namespace

void Updater::RequestInstall(int task) {
    SendMessageA(window_.InstallRelay(), kMsgInstallRelay, static_cast<WPARAM>(task), 0);
}

[[noreturn]] void Updater::InstallUpdate(int task) {
    const std::string extractFolder = ExtractFolder(directory_);
    const std::string archive = DownloadFilePath(directory_, task);
    const std::string program = ProgramPath(directory_, Argument(5));
    CreateDirectoryA(extractFolder.c_str(), nullptr);
    ExtractZip(archive, extractFolder);
    WaitForWritableProgramFile(program);
    CopyTree(extractFolder, TargetFolder(directory_));
    DeleteFileA(archive.c_str());
    StartProgram(program);
    EndProcess();
}

}  // namespace updater
