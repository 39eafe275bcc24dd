#include "update/check_for_update.h"

#include <windows.h>

#include <exception>
#include <new>
#include <string>

#include "app/main_window.h"
#include "app/own_directory.h"
#include "app/self_closing_notice.h"
#include "app/unique_handle.h"
#include "update/deploy_updater.h"
#include "update/http_fetch.h"
#include "update/manifest_url.h"
#include "update/manifest_version.h"
#include "update/process_pending_messages.h"
#include "update/text_conversion.h"
#include "update/updater_command_line.h"
#include "update/xml_tree.h"

namespace update {
namespace {

constexpr char kCheckingTitle[] = "检测升级中...";
constexpr char kUsualTitle[] = "鼠标右键有帮助";
constexpr char kNoNewVersionTitle[] = "未检测到新版本";
constexpr char kVersionPath[] = "最新版本/版本信息";
constexpr DWORD kNoNewVersionMilliseconds = 3000;
constexpr DWORD kUpdaterStartMilliseconds = 1000;

// The tree is released on every path out of the check.
struct ReleasedTree {
    XmlTree tree;
    ~ReleasedTree() { tree.Release(); }
};

// A failed start is not reported: the program ends all the same.
void StartUpdater(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return;
    const app::UniqueKernelHandle process(started.hProcess);
    const app::UniqueKernelHandle thread(started.hThread);
    WaitForInputIdle(process.Get(), kUpdaterStartMilliseconds);
}

void OfferUpdate(app::MainWindow& mainWindow, const XmlTree& manifest, const std::string& programDirectory) {
    const std::string question =
        UpdateQuestion(manifest.ReadAttribute(kVersionPath, "版本号"), manifest.ReadAttribute(kVersionPath, "升级说明"));
    if (MessageBoxA(nullptr, question.c_str(), "版本升级", MB_OKCANCEL | MB_ICONINFORMATION | MB_TASKMODAL) != IDOK) {
        mainWindow.SetTitle(kUsualTitle);
        ProcessPendingMessages();
        return;
    }
    ManifestValues values;
    values.downloadUrl = manifest.ReadAttribute(kVersionPath, "下载地址");
    values.fileTitle = manifest.ReadAttribute(kVersionPath, "文件标题");
    values.fileName = manifest.ReadAttribute(kVersionPath, "文件名");
    values.notes = manifest.ReadAttribute(kVersionPath, "升级说明");
    StartUpdater(UpdaterCommandLine(programDirectory, values));
    ExitProcess(0);
}

void Check(app::MainWindow& mainWindow) {
    ReleasedTree manifest;
    mainWindow.SetTitle(kCheckingTitle);
    const std::string programDirectory = app::OwnDirectory();
    DeployUpdater(programDirectory);

    const std::string body = HttpFetch(ManifestUrl());
    if (body.empty()) {
        app::ShowNotice("未接通升级服务器", "提示信息");
        mainWindow.SetTitle(kUsualTitle);
        return;
    }
    // A failed Load leaves every value empty: the version then reads as 0.
    manifest.tree.Load(Utf8ToAnsi(body.substr(0, body.find('\0'))));

    if (IsNewerVersion(ReadVersionNumber(manifest.tree.ReadAttribute(kVersionPath, "版本号")))) {
        OfferUpdate(mainWindow, manifest.tree, programDirectory);
        return;
    }
    mainWindow.SetTitle(kNoNewVersionTitle);
    Sleep(kNoNewVersionMilliseconds);
    mainWindow.SetTitle(kUsualTitle);
    ProcessPendingMessages();
}

}  // namespace

void CheckForUpdate(app::MainWindow& mainWindow) {
    try {
        Check(mainWindow);
    } catch (const std::exception&) {
        mainWindow.SetTitle(kUsualTitle);  // called from the window procedure: nothing may escape
    }
}

}  // namespace update
