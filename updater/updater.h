// The updater's process-wide values and its three events: the start-up
// check and the task row (created), the close question (query close) and the
// installation (the relay of 标签10反馈事件). The download task's routines live
// in download_task.cpp, the installation in install_update.cpp.
#pragma once
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/slim_lock.h"
#include "updater/download_engine.h"
#include "updater/updater_window.h"

namespace updater {

class Updater final : public UpdaterEvents {
public:
    explicit Updater(HINSTANCE instance);

    UpdaterWindow& Window() { return window_; }

    bool OnCreated() override;
    bool QueryClose() override;
    void OnInstallRelay(int task) override { InstallUpdate(task); }

    void RunDownloadTask(int task);
    bool TransferNotice(int code, int a, int b, int c, int identity);
    // Hands the installation of task over to the UI thread and waits.
    void RequestInstall(int task);
    [[noreturn]] void InstallUpdate(int task);

    // Ends the process with exit code 0, after stopping every download.
    [[noreturn]] void EndProcess();

private:
    int RowOfIdentity(int identity);
    DownloadHandle* HandleOfRow(int row);
    const std::string& Argument(std::size_t position) const;  // from 1; empty when missing

    UpdaterWindow window_;
    std::vector<std::string> arguments_;  // UpdaterArguments, program name excluded
    std::string directory_;               // UpdaterDirectory
    std::vector<TaskRow> rows_;
    std::vector<TaskSettings> settings_;
    // Appended on the UI thread while notices read it on the engine's threads.
    app::SlimLock handlesLock_;
    std::vector<std::unique_ptr<DownloadHandle>> handles_;
    int currentTask_ = 0;
};

}  // namespace updater
