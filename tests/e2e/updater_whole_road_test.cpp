// The whole road: 屏笺.exe finds a newer version, the user says OK, the
// update.exe it carries downloads the archive, installs it over the program's
// folder and starts the new 屏笺.exe, a recording program that tells itself
// apart by writing its command line.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/update_check_program.h"
#include "support/updater_program.h"
#include "updater/updater_form.h"

namespace e2e {
namespace {

class UpdaterWholeRoad : public UpdateCheckTest, public ::testing::WithParamInterface<const char*> {};

HWND UpdaterControl(HWND window, int id) {
    if (id == updater::kId编辑框1交互信息) return GetDlgItem(window, id);
    return GetDlgItem(GetDlgItem(GetDlgItem(window, updater::kId图片框1), updater::kId图片框2), id);
}

TEST_P(UpdaterWholeRoad, TheNewProgramIsInstalledAndRuns) {
    UpdateCheckProgram program(GetParam());
    ASSERT_TRUE(program.Folder().Ready());
    const std::string recorder = ReadFileBytes(E2E_RECORDER);
    const std::string data(300000, 'd');
    const std::string source = program.Folder() / "served.zip";
    ASSERT_TRUE(WriteFileBytes(source, MakeZip({{"屏笺.exe", recorder}, {"data/a.txt", data, false}})));
    // Slow enough for the window to be seen at work.
    ASSERT_TRUE(SetAnswer("/新版.zip", "download", {{"file", UnixPath(source)}, {"rate", "150000"}}));
    const std::string url = std::string(E2E_TEST_SERVER) + "/新版.zip";
    ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"body", ToUtf8(Manifest("3.3", "修正", url, "新版屏笺"))}}));

    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ChooseCheckForUpdate());
    HWND question = program.WaitForBox(kQuestionCaption);
    ASSERT_NE(question, nullptr);
    SendMessageA(GetDlgItem(question, IDOK), BM_CLICK, 0, 0);

    HWND window = WaitForTopWindow(0, kUpdaterTitle, "", 15000);
    ASSERT_NE(window, nullptr) << "the updater's window did not appear";
    EXPECT_TRUE(WaitUntil([&] {
        return WindowText(UpdaterControl(window, updater::kId编辑框1交互信息)).find("收到数据") != std::string::npos;
    }));
    EXPECT_EQ(WindowText(UpdaterControl(window, updater::RowControlId(1, updater::kRowName))), "新版屏笺");

    const std::string recorded = program.Folder() / kRecordedLine;
    ASSERT_TRUE(WaitUntil([&] { return Exists(recorded); }, 30000)) << "the new 屏笺.exe did not run";
    EXPECT_EQ(ReadFileBytes(recorded), "\"" + program.Folder().Path() + "\\升级文件\\..\\屏笺.exe\"");
    EXPECT_EQ(ReadFileBytes(program.Folder() / "屏笺.exe"), recorder) << "the program was not replaced";
    EXPECT_EQ(ReadFileBytes(program.Folder() / "data\\a.txt"), data);
    EXPECT_EQ(ReadFileBytes(program.Folder() / "升级文件\\e_update\\data\\a.txt"), data);
    EXPECT_EQ(ReadFileBytes(program.Folder() / "升级文件\\e_update\\屏笺.exe"), recorder);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(program.Folder() / "升级文件\\升级文件\\temp1.zip"); }));
    EXPECT_TRUE(WaitUntil([&] { return FindTopWindow(0, kUpdaterTitle) == nullptr; }));
}

INSTANTIATE_TEST_SUITE_P(Folders, UpdaterWholeRoad, ::testing::Values("整条路", "整条 路 有空格"),
                         [](const auto& folder) { return folder.index == 0 ? "Plain" : "WithBlanks"; });

}  // namespace
}  // namespace e2e
