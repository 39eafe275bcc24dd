// The download: the task row and the log while the archive arrives, the
// close question and its answers, and the hand-over to the installation.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>

#include "support/updater_program.h"
#include "updater/updater_form.h"

namespace e2e {
namespace {

using namespace updater;

// Bytes that do not compress, so the archive's size is what the test says.
std::string Noise(std::size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

// bytes / 1,000 with two decimals at most, trailing zeros dropped, then "K".
std::string KilobyteText(std::size_t bytes) {
    const std::size_t hundredths = (bytes + 5) / 10;
    std::string text = std::to_string(hundredths / 100);
    char fraction[8];
    snprintf(fraction, sizeof fraction, ".%02u", static_cast<unsigned>(hundredths % 100));
    std::string tail = fraction;
    while (!tail.empty() && (tail.back() == '0' || tail.back() == '.')) {
        const bool dot = tail.back() == '.';
        tail.pop_back();
        if (dot) break;
    }
    return text + tail + "K";
}

class UpdaterDownloadTest : public UpdaterTest {
protected:
    void TearDown() override {
        e2e::OpenGate(gate_);
        UpdaterTest::TearDown();
    }
    HWND Row(TaskRowPart part) const { return Control(RowControlId(1, part)); }
    // Starts the updater on an archive whose transfer stops after hold bytes
    // until the gate opens.
    void StartHeld(std::size_t hold) {
        Serve("/新版.zip", MakeZip({{"屏笺.exe", recorder_}, {"data/a.txt", "新的内容"}}),
              {{"hold", std::to_string(hold)}, {"gate", gate_}});
        StartUpdater(Arguments(Url("/新版.zip")));
        ASSERT_NE(WaitForWindow(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return LogText().find("下载上传开始") != std::string::npos; }));
    }
    void OpenGate() { ASSERT_TRUE(e2e::OpenGate(gate_)); }
    HWND CloseAndWaitForQuestion() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        HWND box = WaitForMessageBox(updater_->Id(), "提示信息");
        if (box) {
            EXPECT_EQ(BoxText(box), "请等待下载完成...");
        }
        return box;
    }
    void ExpectInstalled() {
        ASSERT_TRUE(WaitForRestart()) << "屏笺.exe was not started";
        WaitForExitCodeZero();
        EXPECT_EQ(ReadFileBytes(InProgram("data\\a.txt")), "新的内容");
        EXPECT_FALSE(Exists(DownloadFile()));
    }
    std::string gate_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(UpdaterDownloadTest, TheTransferShowsInTheRowAndTheLogThenInstalls) {
    const std::string payload = Noise(600000);
    const std::string archive = MakeZip({{"屏笺.exe", recorder_}, {"data/a.txt", payload, false}});
    Serve("/新版.zip", archive, {{"rate", "200000"}});
    StartUpdater(Arguments(Url("/新版.zip")));
    ASSERT_NE(WaitForWindow(), nullptr);

    ASSERT_TRUE(WaitUntil([&] { return LogText().find("\r\n") != std::string::npos; }));
    EXPECT_EQ(LogText().substr(0, LogText().find("\r\n") + 2), "执行下载任务1 #传送常量.下载上传开始\r\n");
    EXPECT_EQ(WindowText(Row(kRowName)), "新版屏笺");
    EXPECT_EQ(WindowText(Row(kRowSize)), KilobyteText(archive.size()));

    // While data arrives: the bar shows and moves, the speed is in KB/s.
    std::set<LRESULT> positions;
    bool speedSeen = false, operationHidden = false;
    WaitUntil([&] {
        if (IsWindowVisible(Row(kRowProgress))) {
            positions.insert(SendMessageA(Row(kRowProgress), PBM_GETPOS, 0, 0));
            const std::string speed = WindowText(Row(kRowSpeed));
            speedSeen = speedSeen || (speed.size() > 4 && speed.substr(speed.size() - 4) == "KB/s");
            operationHidden = operationHidden || !IsWindowVisible(Row(kRowOperation));
        }
        return !updater_->Running();
    }, 20000);
    positions.erase(0);
    positions.erase(100);
    EXPECT_GE(positions.size(), 1u) << "the progress bar never stood between 0 and 100";
    EXPECT_TRUE(speedSeen);
    EXPECT_TRUE(operationHidden);

    ASSERT_TRUE(WaitForRestart());
    WaitForExitCodeZero();
    EXPECT_EQ(ReadFileBytes(InProgram("屏笺.exe")), recorder_);
    EXPECT_EQ(ReadFileBytes(InProgram("data\\a.txt")), payload);
    EXPECT_EQ(ReadFileBytes(ExtractDir() + "\\data\\a.txt"), payload);
    EXPECT_FALSE(Exists(DownloadFile()));
    // Started by its quoted path, with no arguments.
    EXPECT_EQ(RestartLine(), "\"" + UpdaterDir() + "\\..\\屏笺.exe\"");
}

TEST_F(UpdaterDownloadTest, WithoutALengthTheSizeIsZero) {
    Serve("/新版.zip", MakeZip({{"屏笺.exe", recorder_}, {"data/a.txt", "新的内容"}}),
          {{"length", "none"}, {"hold", "100"}, {"gate", gate_}});
    StartUpdater(Arguments(Url("/新版.zip")));
    ASSERT_NE(WaitForWindow(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Row(kRowSize)) == "0K"; }));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Row(kRowProgress)) != FALSE; }));
    EXPECT_EQ(SendMessageA(Row(kRowProgress), PBM_GETPOS, 0, 0), 0);
    OpenGate();
    ExpectInstalled();
}

TEST_F(UpdaterDownloadTest, ClosingAndAnsweringOkKeepsTheTransferGoing) {
    StartHeld(200);
    HWND box = CloseAndWaitForQuestion();
    ASSERT_NE(box, nullptr);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindowVisible(window_));
    OpenGate();
    ExpectInstalled();
}

TEST_F(UpdaterDownloadTest, ClosingAndAnsweringCancelStopsTheTransfer) {
    StartHeld(200);
    HWND box = CloseAndWaitForQuestion();
    ASSERT_NE(box, nullptr);
    SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    WaitForExitCodeZero(10000);
    EXPECT_FALSE(Exists(InProgram(kRecordedLine)));
    EXPECT_FALSE(Exists(InProgram("data\\a.txt")));
    EXPECT_TRUE(Exists(DownloadFile())) << "the partial download is left for the next run to delete";
}

TEST_F(UpdaterDownloadTest, ALogWithoutTheQuestionsReasonClosesAtOnce) {
    const struct {
        const char* what;
        const char* log;
    } cases[] = {
        {"emptied by hand", ""},
        {"holding the end", "执行下载任务1 #传送常量.下载上传结束\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gate_ += "_";  // a gate of its own for each case
        StartHeld(200);
        SendMessageA(Control(kId编辑框1交互信息), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.log));
        PostMessageA(window_, WM_CLOSE, 0, 0);
        WaitForExitCodeZero(10000);
        EXPECT_FALSE(Exists(InProgram(kRecordedLine)));
        OpenGate();
    }
}

TEST_F(UpdaterDownloadTest, TheEndArrivingWhileTheQuestionIsOpenInstallsAtOnce) {
    StartHeld(200);
    HWND box = CloseAndWaitForQuestion();
    ASSERT_NE(box, nullptr);
    OpenGate();
    ExpectInstalled();
    EXPECT_FALSE(IsWindow(box));
}

}  // namespace
}  // namespace e2e
