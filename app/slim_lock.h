// A lock for data shared between the UI thread and worker threads, on the
// system's slim reader/writer lock: std::mutex would bring the POSIX thread
// layer and the system_error machinery into the executables. Usable with
// std::lock_guard.
#pragma once
#include <windows.h>

namespace app {

class SlimLock {
public:
    SlimLock() = default;
    SlimLock(const SlimLock&) = delete;
    SlimLock& operator=(const SlimLock&) = delete;

    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

}  // namespace app
