// DownloadEngine: one download task per handle, run on a worker thread of
// its own over WinINet (HTTP and HTTPS). The file is written as the data
// arrives. Notices go to the task's routine on the worker thread: the start
// (3), data (16) about once a second and once at the end, the thread's end
// (8 or 9), and the ended notice (4) exactly once per task.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/unique_handle.h"

namespace updater {

// code, a, b, c, identity; returns true.
using NoticeRoutine = std::function<bool(int, int, int, int, int)>;

enum class TaskKind { kDownload };

struct TaskSettings {
    TaskKind kind = TaskKind::kDownload;
    std::string sourceUrl;
    std::string destinationFile;
    std::string title;
    NoticeRoutine notice;
    DWORD stopWaitMilliseconds = 1000;
};

class DownloadHandle {
public:
    DownloadHandle() = default;
    DownloadHandle(const DownloadHandle&) = delete;
    DownloadHandle& operator=(const DownloadHandle&) = delete;
    ~DownloadHandle();  // stops a running task as StopTask does

    // Starts the transfer and returns at once; false when the handle has a
    // task already or the worker could not be started.
    bool StartTask(const TaskSettings& settings);
    // The identity the task's notices carry; -1 when the handle has no task.
    int TaskIdentity() const;
    // Total size (0 while unknown or when the server gives none) and bytes done.
    void Progress(std::int64_t& total, std::int64_t& done) const;
    // Bytes received since the previous call, then the count starts again.
    std::int64_t TakeReceivedBytes();
    // Stops a running task and waits for its thread, at most the stop wait,
    // in 20 ms steps; afterwards the handle has no task and the task's later
    // notices find no handle.
    void StopTask();

    struct Transfer;  // shared with the worker thread

private:
    std::shared_ptr<Transfer> transfer_;
    std::atomic<int> identity_{-1};  // read by the worker's notices
    app::UniqueKernelHandle thread_;
    DWORD stopWait_ = 1000;
};

}  // namespace updater
