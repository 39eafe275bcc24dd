#include "updater/updater.h"

#include "app/own_directory.h"
#include "updater/command_line.h"

namespace updater {
namespace {

const std::string kNoArgument;

}  // namespace

Updater::Updater(HINSTANCE instance) : window_(instance, *this), directory_(app::OwnDirectory()) {}

const std::string& Updater::Argument(std::size_t position) const {
    return position >= 1 && position <= arguments_.size() ? arguments_[position - 1] : kNoArgument;
}

bool Updater::OnCreated() {
    arguments_ = SplitCommandLine(GetCommandLineA());
    if (!ArgumentsAreValid(arguments_)) {
        MessageBoxA(nullptr, "程序调用参数错误！", "信息：", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return false;
    }
    rows_.push_back(window_.MakeTaskRow(1, nullptr));
    RunDownloadTask(1);
    return true;
}

[[noreturn]] void Updater::EndProcess() {
    std::vector<DownloadHandle*> handles;
    {
        std::lock_guard lock(handlesLock_);
        for (auto& handle : handles_) handles.push_back(handle.get());
    }
    // The handles themselves stay until the process is gone: a worker that
    // outlived its stop wait may still look at them.
    for (DownloadHandle* handle : handles) handle->StopTask();
    ExitProcess(0);
}

}  // namespace updater
