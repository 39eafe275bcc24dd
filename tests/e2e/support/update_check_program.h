// A fixture for the update check: a private copy of 屏笺.exe in a folder of
// its own, the test server emptied, and the steps the tests share: choosing
// "检测升级" in the menu and waiting for each of the check's outcomes.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/driver.h"
#include "support/main_program.h"
#include "support/program_folder.h"
#include "support/test_server_client.h"

namespace e2e {

// The note tests have a kQuestionCaption of their own: these names live in a
// namespace apart, so that a test program linking both keeps one of each.
namespace update_check {
inline constexpr char kCheckingTitle[] = "检测升级中...";
inline constexpr char kNoNewVersionTitle[] = "未检测到新版本";
inline constexpr char kQuestionCaption[] = "版本升级";
}  // namespace update_check
using namespace update_check;

// A manifest in code page 936; the tests send it as UTF-8 (ToUtf8).
inline std::string Manifest(const std::string& version, const std::string& notes = "修正",
                            const std::string& downloadUrl = "http://127.0.0.1/新版.zip",
                            const std::string& fileTitle = "屏笺", const std::string& fileName = "新版.zip") {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<最新版本>\r\n  <版本信息 版本号=\"" + version +
           "\" 升级说明=\"" + notes + "\" 下载地址=\"" + downloadUrl + "\" 文件标题=\"" + fileTitle +
           "\" 文件名=\"" + fileName + "\"/>\r\n</最新版本>\r\n";
}

class UpdateCheckProgram {
public:
    explicit UpdateCheckProgram(const std::string& folderName) : folder_(folderName) {}

    // Copies, starts and waits for MainWindow; false when any step fails.
    bool Start() {
        if (!folder_.Ready()) return false;
        program_ = std::make_unique<Program>(folder_ / kMainExe, "", folder_.Path());
        if (!program_->Started()) return false;
        main_ = WaitForTopWindow(program_->Id(), kMainTitle);
        return main_ != nullptr;
    }

    // Right button in the note, then 升级 > 检测升级 by keyboard.
    bool ChooseCheckForUpdate() {
        HWND editor = GetDlgItem(main_, kEditor);
        const RECT r = WindowRectOf(editor);
        Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, true);
        if (!WaitUntil([] { return !VisibleMenus().empty(); }, 5000)) return false;
        PressKey(VK_DOWN);   // 升级
        PressKey(VK_RIGHT);  // its sub-menu, 检测升级 selected
        if (!WaitUntil([] { return VisibleMenus().size() >= 2; }, 5000)) return false;
        PressKey(VK_RETURN);
        return WaitUntil([] { return VisibleMenus().empty(); }, 5000);
    }

    // The caption as the window manager keeps it: read without a message, so
    // it can be read while the program's thread sleeps.
    std::string Title() const {
        char text[256] = {};
        GetWindowTextA(main_, text, sizeof text);
        return text;
    }
    HWND WaitForBox(const char* caption) const { return WaitForMessageBox(program_->Id(), caption, 20000); }
    // The program's top-level windows, for failure messages.
    std::string Windows() const {
        WindowList list{program_->Id(), {}};
        EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&list));
        return list.text;
    }

    ProgramFolder& Folder() { return folder_; }
    Program& Process() { return *program_; }

private:
    struct WindowList {
        DWORD id;
        std::string text;
    };
    static BOOL CALLBACK ListWindow(HWND window, LPARAM parameter) {
        auto* list = reinterpret_cast<WindowList*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == list->id)
            list->text += "[" + ClassOf(window) + " \"" + WindowText(window) + "\"" +
                          (IsWindowVisible(window) ? " visible" : "") + "] ";
        return TRUE;
    }

    ProgramFolder folder_;
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        KillStrayProcesses({kMainExe, "update.exe"});
        ASSERT_TRUE(WaitUntil(ResetServer, 15000)) << "the test server does not answer at " << E2E_TEST_SERVER;
    }
    void TearDown() override { KillStrayProcesses({kMainExe, "update.exe"}); }
};

}  // namespace e2e
