// RunDownloadTask, TransferNotice and QueryClose: the download of the new
// version into 升级文件\temp<n>.zip, shown in the task row and the log.
#include "update/process_pending_messages.h"
#include "updater/transfer_texts.h"
#include "updater/updater.h"
#include "updater/updater_paths.h"

namespace updater {

void Updater::RunDownloadTask(int task) {
    settings_.resize(static_cast<std::size_t>(task));
    TaskSettings& settings = settings_[task - 1];
    settings.kind = TaskKind::kDownload;
    currentTask_ = task;
    window_.AppendLog(TaskStartedLine(task));
    settings.sourceUrl = Argument(2);
    settings.title = Argument(3);
    settings.stopWaitMilliseconds = 1000;
    CreateDirectoryA(DownloadFolder(directory_).c_str(), nullptr);
    // A file left by an earlier run goes before the transfer starts.
    DeleteFileA(DownloadFilePath(directory_, task).c_str());
    settings.destinationFile = DownloadFilePath(directory_, task);
    settings.notice = [this](int code, int a, int b, int c, int identity) {
        return TransferNotice(code, a, b, c, identity);
    };
    DownloadHandle* handle = nullptr;
    {
        std::lock_guard lock(handlesLock_);
        handles_.push_back(std::make_unique<DownloadHandle>());
        handle = handles_.back().get();
    }
    handle->StartTask(settings);  // a start that fails leaves just the first words in the log
    update::ProcessPendingMessages();
}

int Updater::RowOfIdentity(int identity) {
    std::lock_guard lock(handlesLock_);
    for (std::size_t i = 0; i < handles_.size(); ++i) {
        if (handles_[i]->TaskIdentity() == identity) return static_cast<int>(i) + 1;
    }
    return 0;
}

DownloadHandle* Updater::HandleOfRow(int row) {
    std::lock_guard lock(handlesLock_);
    return handles_[row - 1].get();
}

// Runs on the engine's threads; every change reaches the window through
// SendMessage and is waited for.
bool Updater::TransferNotice(int code, int, int, int, int identity) {
    try {
        const int row = RowOfIdentity(identity);
        // Rows and settings are made before the task starts and never change.
        const auto rowOf = [&](TaskRowPart part) { return rows_[row - 1][part]; };
        switch (code) {
        case kTransferStarted:
            window_.AppendLog(TransferLogLine(code));
            if (row > 0) {
                std::int64_t total = 0, done = 0;
                HandleOfRow(row)->Progress(total, done);
                window_.SetControlText(rowOf(kRowName), settings_[row - 1].title);
                window_.SetControlText(rowOf(kRowSize), SizeText(total));
                window_.ShowControl(rowOf(kRowProgress), false);
                window_.ShowControl(rowOf(kRowOperation), true);
                window_.SetControlText(rowOf(kRowOperation), "下载开始");
            }
            break;
        case kTransferEnded:
            if (row > 0) {
                window_.ShowControl(rowOf(kRowProgress), false);
                window_.ShowControl(rowOf(kRowOperation), true);
                window_.SetControlText(rowOf(kRowOperation), "下载结束");
                window_.SetControlText(rowOf(kRowSpeed), "");
                window_.AppendLog(TransferLogLine(code));
                RequestInstall(row);
            }
            break;
        case kDataReceived:
            if (row > 0) {
                DownloadHandle* handle = HandleOfRow(row);
                window_.ShowControl(rowOf(kRowOperation), false);
                window_.ShowControl(rowOf(kRowProgress), true);
                window_.SetControlText(rowOf(kRowSpeed), SpeedText(handle->TakeReceivedBytes()));
                std::int64_t total = 0, done = 0;
                handle->Progress(total, done);
                window_.SetProgress(rowOf(kRowProgress), ProgressPosition(total, done));
                window_.AppendLog(TransferLogLine(code));
            }
            break;
        default:
            window_.AppendLog(TransferLogLine(code));
            break;
        }
    } catch (...) {
    }
    return true;
}

bool Updater::QueryClose() {
    if (DecideClose(window_.LogText()) == CloseDecision::kClose) return true;
    const int answer =
        MessageBoxA(nullptr, "请等待下载完成...", "提示信息", MB_OKCANCEL | MB_ICONINFORMATION | MB_TASKMODAL);
    if (answer == IDOK) return false;
    DownloadHandle* first = nullptr;
    {
        std::lock_guard lock(handlesLock_);
        if (!handles_.empty()) first = handles_.front().get();
    }
    if (first) first->StopTask();
    return true;
}

}  // namespace updater
