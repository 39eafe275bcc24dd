// A fixture for the updater: a program folder of its own below the temporary
// folder, with update.exe in its 升级文件, a recording program standing in for
// 屏笺.exe, archives served by the test server, and the updater's window read
// from outside.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/driver.h"
#include "support/program_folder.h"
#include "support/test_server_client.h"
#include "support/zip_writer.h"

namespace e2e {

inline constexpr char kUpdaterTitle[] = "下载管理器";
inline constexpr char kUpdaterExe[] = "update.exe";
inline constexpr char kStartWord[] = "核对暗号";
inline constexpr char kRecordedLine[] = "command_line.bin";

// The Unix path of a Windows path, for the test server that reads files.
std::string UnixPath(const std::string& windowsPath);

// Lets the transfers held at the gate of that name go on.
bool OpenGate(const std::string& gate);

class UpdaterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main program's folder, and paths below it.
    std::string ProgramDir() const { return root_ + "\\程序"; }
    std::string InProgram(const std::string& name) const { return ProgramDir() + "\\" + name; }
    std::string UpdaterDir() const { return InProgram("升级文件"); }
    std::string UpdaterPath() const { return UpdaterDir() + "\\update.exe"; }
    std::string ExtractDir() const { return UpdaterDir() + "\\e_update"; }
    std::string DownloadFile() const { return UpdaterDir() + "\\升级文件\\temp1.zip"; }

    // Serves bytes at path with the download answer and its options.
    void Serve(const std::string& path, const std::string& bytes, const ServerParams& options = {});
    static std::string Url(const std::string& path) { return std::string(E2E_TEST_SERVER) + path; }
    // The arguments the main program writes, for a URL and a program name.
    static std::string Arguments(const std::string& url, const std::string& program = "屏笺.exe") {
        return std::string(kStartWord) + " " + url + " 新版屏笺 运行 " + program + " 新版.zip 修正若干问题";
    }

    // Starts update.exe with the arguments, as the main program does (path quoted).
    void StartUpdater(const std::string& arguments);
    HWND WaitForWindow();
    HWND Control(int id) const;
    std::string LogText() const;

    // The recording program stands for 屏笺.exe: when started it writes its
    // command line to command_line.bin in its folder.
    bool WaitForRestart(DWORD milliseconds = 20000) const;
    std::string RestartLine() const { return ReadFileBytes(InProgram(kRecordedLine)); }
    void WaitForExitCodeZero(DWORD milliseconds = 20000);

    std::string recorder_;
    std::string root_;
    std::unique_ptr<Program> updater_;
    HWND window_ = nullptr;

private:
    int served_ = 0;
};

}  // namespace e2e
