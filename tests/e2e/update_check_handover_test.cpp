// The hand-over to the updater: on OK the update.exe in 升级文件 is started
// with the manifest's values on its command line and 屏笺 ends with code 0.
// A recording program stands in for the updater.
#include <gtest/gtest.h>

#include <string>

#include "support/update_check_program.h"

namespace e2e {
namespace {

const std::string kRecordedLine = "command_line.bin";

// Answers OK to the question and waits for the program to end.
void AcceptUpdate(UpdateCheckProgram& program) {
    ASSERT_TRUE(program.ChooseCheckForUpdate());
    HWND box = program.WaitForBox(kQuestionCaption);
    ASSERT_NE(box, nullptr);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.Process().WaitForExit(15000, &exitCode)) << "屏笺 still runs after OK";
    EXPECT_EQ(exitCode, 0u);
}

struct HandoverCase {
    const char* folder;
    std::string manifest;
    std::string expectedArguments;  // all after the quoted path
};

void PrintTo(const HandoverCase& c, std::ostream* out) { *out << c.folder; }

const HandoverCase kHandovers[] = {
    {"屏笺交接",
     Manifest("3.3", "第一行\r\n第二行", "http://127.0.0.1:18099/新版.zip", "屏笺 3.3", "屏笺3.3.zip"),
     " 核对暗号 http://127.0.0.1:18099/新版.zip 屏笺 3.3 运行 屏笺.exe 屏笺3.3.zip 第一行\r\n第二行"},
    {"屏笺 交接 有空格", Manifest("3.3", " 说明 ", "", "题", "名"), " 核对暗号  题 运行 屏笺.exe 名  说明 "},
};

class UpdateCheckHandover : public UpdateCheckTest, public ::testing::WithParamInterface<HandoverCase> {};

TEST_P(UpdateCheckHandover, StartsThePlacedUpdaterWithTheManifestsValues) {
    const HandoverCase& c = GetParam();
    ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"body", ToUtf8(c.manifest)}}));
    UpdateCheckProgram program(c.folder);
    const std::string updater = program.Folder() / "升级文件\\update.exe";
    const std::string recorder = ReadFileBytes(E2E_RECORDER);
    ASSERT_FALSE(recorder.empty());
    ASSERT_TRUE(CreateDirectoryA((program.Folder() / "升级文件").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(updater, recorder));
    ASSERT_TRUE(program.Start());

    AcceptUpdate(program);
    const std::string recorded = program.Folder() / "升级文件\\command_line.bin";
    ASSERT_TRUE(WaitUntil([&] { return Exists(recorded); }, 10000)) << "the placed update.exe was not started";
    EXPECT_EQ(ReadFileBytes(recorded), "\"" + updater + "\"" + c.expectedArguments);
    EXPECT_EQ(ReadFileBytes(updater), recorder) << "the placed update.exe was replaced";
}

INSTANTIATE_TEST_SUITE_P(Folders, UpdateCheckHandover, ::testing::ValuesIn(kHandovers),
                         [](const auto& param) { return std::string(param.index == 0 ? "Plain" : "WithBlanks"); });

using UpdateCheckDeployment = UpdateCheckTest;

// A file named 升级文件 stands where the folder belongs: nothing is written,
// the start fails, and OK still ends the program with code 0.
TEST_F(UpdateCheckDeployment, FileNamedLikeTheFolderIsLeftAlone) {
    ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"body", ToUtf8(Manifest("3.3"))}}));
    UpdateCheckProgram program("屏笺升级文件是文件");
    const std::string blocker = program.Folder() / "升级文件";
    ASSERT_TRUE(WriteFileBytes(blocker, "不是文件夹"));
    ASSERT_TRUE(program.Start());
    AcceptUpdate(program);
    EXPECT_FALSE(IsFolder(blocker));
    EXPECT_EQ(ReadFileBytes(blocker), "不是文件夹");
}

}  // namespace
}  // namespace e2e
