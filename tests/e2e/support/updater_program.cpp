#include "support/updater_program.h"

#include <windows.h>
#include <wininet.h>

#include "updater/updater_form.h"

namespace e2e {

std::string UnixPath(const std::string& windowsPath) {
    using Convert = char* (*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return {};
    wchar_t wide[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH * 2);
    char* unix = convert(wide);
    if (!unix) return {};
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool OpenGate(const std::string& gate) {
    const std::string path = "/__gate/" + gate;
    if (!SetAnswer(path, "open_gate", {{"gate", gate}})) return false;
    bool opened = false;
    if (HINTERNET internet = InternetOpenA("e2e", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)) {
        const std::string url = std::string(E2E_TEST_SERVER) + path;
        if (HINTERNET request = InternetOpenUrlA(internet, url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0)) {
            DWORD status = 0, size = sizeof status;
            opened = HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                                    nullptr) &&
                     status == 200;
            InternetCloseHandle(request);
        }
        InternetCloseHandle(internet);
    }
    return opened;
}

void UpdaterTest::SetUp() {
    KillStrayProcesses({kUpdaterExe, "屏笺.exe"});
    ASSERT_TRUE(WaitUntil(ResetServer, 15000)) << "the test server does not answer at " << E2E_TEST_SERVER;
    recorder_ = ReadFileBytes(E2E_RECORDER);
    ASSERT_FALSE(recorder_.empty());

    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    root_ = std::string(temp) + "升级测试_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    DeleteTree(root_);
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(ProgramDir().c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(UpdaterDir().c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(DistPath(kUpdaterExe).c_str(), UpdaterPath().c_str(), FALSE));
    ASSERT_TRUE(WriteFileBytes(InProgram("屏笺.exe"), recorder_));
}

void UpdaterTest::TearDown() {
    updater_.reset();
    KillStrayProcesses({kUpdaterExe, "屏笺.exe"});
    // Read-only files left by a test would stop the clean-up.
    SetFileAttributesA(InProgram("只读.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteTree(root_);
}

void UpdaterTest::Serve(const std::string& path, const std::string& bytes, const ServerParams& options) {
    const std::string file = root_ + "\\served" + std::to_string(++served_) + ".zip";
    ASSERT_TRUE(WriteFileBytes(file, bytes));
    const std::string unix = UnixPath(file);
    ASSERT_FALSE(unix.empty());
    ServerParams params{{"file", unix}};
    params.insert(params.end(), options.begin(), options.end());
    ASSERT_TRUE(SetAnswer(path, "download", params));
}

void UpdaterTest::StartUpdater(const std::string& arguments) {
    updater_ = std::make_unique<Program>(UpdaterPath(), arguments, UpdaterDir());
    ASSERT_TRUE(updater_->Started());
}

HWND UpdaterTest::WaitForWindow() {
    window_ = WaitForTopWindow(updater_->Id(), kUpdaterTitle);
    return window_;
}

HWND UpdaterTest::Control(int id) const {
    switch (id) {
    case updater::kId图片框1:
    case updater::kId编辑框1交互信息:
        return GetDlgItem(window_, id);
    case updater::kId图片框2:
        return GetDlgItem(GetDlgItem(window_, updater::kId图片框1), id);
    default:
        return GetDlgItem(GetDlgItem(GetDlgItem(window_, updater::kId图片框1), updater::kId图片框2), id);
    }
}

std::string UpdaterTest::LogText() const { return WindowText(Control(updater::kId编辑框1交互信息)); }

bool UpdaterTest::WaitForRestart(DWORD milliseconds) const {
    return WaitUntil([&] { return Exists(InProgram(kRecordedLine)); }, milliseconds);
}

void UpdaterTest::WaitForExitCodeZero(DWORD milliseconds) {
    DWORD exitCode = 1;
    ASSERT_TRUE(updater_->WaitForExit(milliseconds, &exitCode)) << "update.exe still runs";
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace e2e
