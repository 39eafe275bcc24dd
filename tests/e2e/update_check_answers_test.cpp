// The update check against each kind of server answer, through the real menu
// of a private copy of 屏笺.exe: the question with its exact bytes, the
// three-second "未检测到新版本" title, or the notice "未接通升级服务器".
#include <gtest/gtest.h>

#include <string>

#include "support/update_check_program.h"

namespace e2e {
namespace {

enum class Outcome { Question, NoNewVersion, NoServer };

struct AnswerCase {
    const char* name;
    const char* kind;
    ServerParams params;
    Outcome outcome;
    std::string question;  // the box's text when the outcome is Question
};

void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.name; }

const std::string kNotes = "第一行\r\n第二行 &amp; &#20320;";
const std::string kNotesRead = "第一行\r\n第二行 & &#20320;";

std::string Question(const std::string& version, const std::string& notes = "修正") {
    return "发现有新版本可以更新！\r\n\r\n版本号：" + version + "\r\n下载说明：" + notes;
}

std::string Utf8Manifest(const std::string& version, const std::string& notes = "修正") {
    return ToUtf8(Manifest(version, notes));
}

const AnswerCase kCases[] = {
    {"NewerManifest", "manifest", {{"body", Utf8Manifest("3.30", kNotes)}}, Outcome::Question,
     Question("3.30", kNotesRead)},
    {"ByteOrderMark", "manifest", {{"body", "\xEF\xBB\xBF" + Utf8Manifest("3.21")}}, Outcome::Question,
     Question("3.21")},
    {"FullWidthVersion", "manifest", {{"body", Utf8Manifest("３．３")}}, Outcome::Question, Question("３．３")},
    {"SameVersion", "manifest", {{"body", Utf8Manifest("3.2")}}, Outcome::NoNewVersion, ""},
    {"LetterBeforeVersion", "manifest", {{"body", Utf8Manifest("V3.3")}}, Outcome::NoNewVersion, ""},
    {"NotFoundPage", "not_found", {}, Outcome::NoNewVersion, ""},
    {"NoContentLength", "no_length", {{"body", Utf8Manifest("3.3")}}, Outcome::Question, Question("3.3")},
    // The connection ends before the advertised length: what came is used.
    {"ClosedMidway", "closed_midway", {{"body", Utf8Manifest("3.3")}}, Outcome::Question, Question("3.3")},
    {"EmptyBody", "empty", {}, Outcome::NoServer, ""},
    {"ZeroByteInside", "zero_byte", {{"body", Utf8Manifest("3.3")}, {"tail", "<未闭合"}}, Outcome::Question,
     Question("3.3")},
    {"CodePage936Body", "cp936", {{"body", Utf8Manifest("3.3")}}, Outcome::NoNewVersion, ""},
    // Only the first mebibyte is read; the manifest at its start still counts.
    {"EndlessBody", "endless", {{"body", Utf8Manifest("3.3")}, {"filler", " \r\n"}}, Outcome::Question,
     Question("3.3")},
    {"HangsUp", "hang_up", {}, Outcome::NoServer, ""},
};

class UpdateCheckAnswers : public UpdateCheckTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdateCheckAnswers, LeadToTheirTitleBoxOrQuestion) {
    const AnswerCase& c = GetParam();
    ASSERT_TRUE(SetAnswer(kManifestPath, c.kind, c.params));
    UpdateCheckProgram program(std::string("屏笺升级检测_") + c.name);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ChooseCheckForUpdate());

    switch (c.outcome) {
    case Outcome::Question: {
        HWND box = program.WaitForBox(kQuestionCaption);
        ASSERT_NE(box, nullptr) << program.Windows();
        EXPECT_EQ(BoxText(box), c.question);
        EXPECT_EQ(program.Title(), kCheckingTitle);
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return program.Title() == kMainTitle; }));
        break;
    }
    case Outcome::NoNewVersion: {
        ASSERT_TRUE(WaitUntil([&] { return program.Title() == kNoNewVersionTitle; }, 20000)) << program.Title();
        const ULONGLONG shown = GetTickCount64();
        ASSERT_TRUE(WaitUntil([&] { return program.Title() == kMainTitle; }, 10000));
        EXPECT_GE(GetTickCount64() - shown, 2500u);  // the title stands for three seconds
        EXPECT_EQ(FindTopWindow(program.Process().Id(), "", "#32770"), nullptr);
        break;
    }
    case Outcome::NoServer: {
        HWND box = program.WaitForBox("提示信息");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), "未接通升级服务器");
        EXPECT_EQ(program.Title(), kCheckingTitle);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 10000)) << "the notice stays open";
        EXPECT_TRUE(WaitUntil([&] { return program.Title() == kMainTitle; }));
        break;
    }
    }
    EXPECT_TRUE(program.Process().Running());
    // Whatever the answer, the updater was put on disk first.
    bool written = false;
    EXPECT_EQ(ReadFileBytes(program.Folder() / "升级文件\\update.exe", &written), ReadFileBytes(DistPath("update.exe")));
    EXPECT_TRUE(written);
}

INSTANTIATE_TEST_SUITE_P(Server, UpdateCheckAnswers, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

using UpdateCheckRequest = UpdateCheckTest;

// What goes over the wire: the raw code page 936 path, HTTP/1.0, the user
// agent and the Accept lines.
TEST_F(UpdateCheckRequest, AsksForTheRawPathWithTheGivenHeaders) {
    ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"body", ToUtf8(Manifest("3.2"))}}));
    UpdateCheckProgram program("屏笺升级检测_请求");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ChooseCheckForUpdate());
    ASSERT_TRUE(WaitUntil([&] { return program.Title() == kNoNewVersionTitle; }, 20000));
    const std::string head = LastRequestHead();
    EXPECT_EQ(head.substr(0, head.find("\r\n") + 2), "GET /屏笺.xml HTTP/1.0\r\n");
    EXPECT_NE(head.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"), std::string::npos)
        << head;
    EXPECT_NE(head.find("Accept: */*"), std::string::npos) << head;
    EXPECT_NE(head.find("Host: 127.0.0.1:"), std::string::npos) << head;
    EXPECT_TRUE(WaitUntil([&] { return program.Title() == kMainTitle; }, 10000));
}

// No server at all: the notice, the usual title again, and the updater
// written all the same.
TEST_F(UpdateCheckRequest, WithoutAServerTheNoticeClosesByItself) {
    UpdateCheckProgram program("屏笺升级检测_无服务器");
    ASSERT_TRUE(program.Start());
    ASSERT_FALSE(Exists(program.Folder() / "升级文件"));
    ASSERT_TRUE(TakeServerOffline(8));
    ASSERT_TRUE(program.ChooseCheckForUpdate());
    HWND box = program.WaitForBox("提示信息");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "未接通升级服务器");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 10000)) << "the notice stays open";
    EXPECT_TRUE(WaitUntil([&] { return program.Title() == kMainTitle; }));
    EXPECT_TRUE(IsFolder(program.Folder() / "升级文件"));
    EXPECT_EQ(ReadFileBytes(program.Folder() / "升级文件\\update.exe"), ReadFileBytes(DistPath("update.exe")));
    EXPECT_FALSE(ReadFileBytes(DistPath("update.exe")).empty());
    EXPECT_TRUE(WaitUntil(ResetServer, 20000)) << "the test server did not come back";
}

}  // namespace
}  // namespace e2e
