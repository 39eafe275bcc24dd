// The installation: the archive unpacked into e_update, that tree copied over
// the program's folder by its rules, the archive deleted, the program started
// again. Names that would leave e_update and data that fails its CRC stay out.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/updater_program.h"

namespace e2e {
namespace {

class UpdaterInstallTest : public UpdaterTest {
protected:
    // Serves the archive, runs the updater to its end, and waits for the restart.
    void Install(const std::string& archive, const std::string& program = "屏笺.exe") {
        Serve("/新版.zip", archive);
        StartUpdater(Arguments(Url("/新版.zip"), program));
        WaitForExitCodeZero();
    }
    static bool IsHidden(const std::string& path) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
    }
};

TEST_F(UpdaterInstallTest, TheTreeIsCopiedByItsRules) {
    // Left in e_update by an earlier update: a hidden file and a system file.
    ASSERT_TRUE(CreateDirectoryA(ExtractDir().c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(ExtractDir() + "\\隐藏.txt", "藏"));
    ASSERT_TRUE(SetFileAttributesA((ExtractDir() + "\\隐藏.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(WriteFileBytes(ExtractDir() + "\\系统.dat", "系"));
    ASSERT_TRUE(SetFileAttributesA((ExtractDir() + "\\系统.dat").c_str(), FILE_ATTRIBUTE_SYSTEM));
    // In the program's folder: a read-only file the archive would replace.
    ASSERT_TRUE(WriteFileBytes(InProgram("只读.txt"), "旧的"));
    ASSERT_TRUE(SetFileAttributesA(InProgram("只读.txt").c_str(), FILE_ATTRIBUTE_READONLY));

    Install(MakeZip({
        {"屏笺.exe", recorder_},
        {"data/a.txt", "新的内容", false},
        {"data/深/b.txt", "更深"},
        {"空/", ""},
        {".cfg/x.ini", "不复制"},
        {"只读.txt", "新的"},
    }));
    ASSERT_TRUE(WaitForRestart());

    EXPECT_EQ(ReadFileBytes(InProgram("屏笺.exe")), recorder_);
    EXPECT_EQ(ReadFileBytes(InProgram("data\\a.txt")), "新的内容");
    EXPECT_EQ(ReadFileBytes(InProgram("data\\深\\b.txt")), "更深");
    EXPECT_TRUE(IsFolder(InProgram("空")));
    EXPECT_TRUE(IsFolder(InProgram(".cfg")));
    EXPECT_FALSE(Exists(InProgram(".cfg\\x.ini"))) << "a folder beginning with . is created empty";
    EXPECT_EQ(ReadFileBytes(ExtractDir() + "\\.cfg\\x.ini"), "不复制");
    EXPECT_EQ(ReadFileBytes(InProgram("只读.txt")), "旧的") << "a read-only target stays as it was";
    EXPECT_EQ(ReadFileBytes(InProgram("隐藏.txt")), "藏");
    EXPECT_EQ(ReadFileBytes(InProgram("系统.dat")), "系");
    // Everything stays in e_update too; only the archive goes.
    EXPECT_EQ(ReadFileBytes(ExtractDir() + "\\屏笺.exe"), recorder_);
    EXPECT_EQ(ReadFileBytes(ExtractDir() + "\\data\\a.txt"), "新的内容");
    EXPECT_FALSE(Exists(DownloadFile()));
    EXPECT_TRUE(IsFolder(UpdaterDir() + "\\升级文件"));
}

TEST_F(UpdaterInstallTest, NamesInCodePage936AndInUtf8ArriveAndKeepTheirTime) {
    ZipEntry utf8{ToUtf8("统一码/名字.txt"), "乙"};
    utf8.utf8Flag = true;
    Install(MakeZip({{"屏笺.exe", recorder_}, {"数据/说明.txt", "甲"}, utf8}));
    ASSERT_TRUE(WaitForRestart());
    EXPECT_EQ(ReadFileBytes(InProgram("数据\\说明.txt")), "甲");
    EXPECT_EQ(ReadFileBytes(InProgram("统一码\\名字.txt")), "乙");

    // The entry's date and time, 2021-03-14 15:09:26 local time.
    HANDLE file = CreateFileA((ExtractDir() + "\\数据\\说明.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written{}, local{};
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    FileTimeToLocalFileTime(&written, &local);
    SYSTEMTIME time{};
    FileTimeToSystemTime(&local, &time);
    EXPECT_EQ(time.wYear, 2021);
    EXPECT_EQ(time.wMonth, 3);
    EXPECT_EQ(time.wDay, 14);
    EXPECT_EQ(time.wHour, 15);
    EXPECT_EQ(time.wMinute, 9);
    EXPECT_EQ(time.wSecond, 26);
}

TEST_F(UpdaterInstallTest, NamesThatClimbOutOrAreAbsoluteWriteNothing) {
    const std::string escapes[] = {UpdaterDir() + "\\逃出1.txt", UpdaterDir() + "\\逃出2.txt",
                                   InProgram("逃出3.txt"), "C:\\逃出4.txt", "C:\\逃出5.txt", root_ + "\\逃出6.txt"};
    Install(MakeZip({
        {"../逃出1.txt", "1"},
        {"a/../../逃出2.txt", "2"},
        {"..\\..\\逃出3.txt", "3"},
        {"/逃出4.txt", "4"},
        {"C:/逃出5.txt", "5"},
        {"..\\..\\..\\逃出6.txt", "6"},
        {"安全.txt", "安全"},
    }));
    ASSERT_TRUE(WaitForRestart());
    for (const std::string& path : escapes) {
        EXPECT_FALSE(Exists(path)) << path;
        DeleteFileA(path.c_str());
    }
    EXPECT_EQ(ReadFileBytes(InProgram("安全.txt")), "安全");
    EXPECT_FALSE(Exists(ExtractDir() + "\\a"));
}

TEST_F(UpdaterInstallTest, AnEntryThatFailsItsCrcIsNotInstalled) {
    ASSERT_TRUE(WriteFileBytes(InProgram("坏1.txt"), "好的旧版"));
    ASSERT_TRUE(WriteFileBytes(InProgram("坏2.txt"), "好的旧版"));
    ZipEntry storedBad{"坏1.txt", "损坏的新版"};
    storedBad.deflate = false;
    storedBad.wrongCrc = true;
    ZipEntry deflatedBad{"坏2.txt", std::string(5000, 'x')};
    deflatedBad.wrongCrc = true;
    Install(MakeZip({{"屏笺.exe", recorder_}, storedBad, {"好.txt", "好"}, deflatedBad}));
    ASSERT_TRUE(WaitForRestart());
    EXPECT_EQ(ReadFileBytes(InProgram("坏1.txt")), "好的旧版");
    EXPECT_EQ(ReadFileBytes(InProgram("坏2.txt")), "好的旧版");
    EXPECT_FALSE(Exists(ExtractDir() + "\\坏1.txt"));
    EXPECT_FALSE(Exists(ExtractDir() + "\\坏2.txt"));
    EXPECT_EQ(ReadFileBytes(InProgram("好.txt")), "好");
}

TEST_F(UpdaterInstallTest, AMissingProgramStillDeletesTheArchiveAndEnds) {
    Install(MakeZip({{"data/a.txt", "新的内容"}}), "不存在.exe");
    EXPECT_FALSE(Exists(DownloadFile()));
    EXPECT_EQ(ReadFileBytes(InProgram("data\\a.txt")), "新的内容");
    EXPECT_FALSE(Exists(InProgram(kRecordedLine)));
}

TEST_F(UpdaterInstallTest, AFailedOrBrokenDownloadCopiesTheEarlierUpdateAgain) {
    const std::string good = MakeZip({{"屏笺.exe", recorder_}, {"data/a.txt", std::string(20000, 'z')}});
    const struct {
        const char* what;
        std::string bytes;  // nothing served when empty and answer is false
        ServerParams options;
        bool serve;
    } cases[] = {
        {"empty archive", "", {}, true},
        {"not an archive", std::string(3000, '\x5a'), {}, true},
        {"cut midway", good, {{"cut", "400"}}, true},
        {"not found", "", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteTree(ExtractDir());
        DeleteFileA(InProgram("旧.txt").c_str());
        DeleteFileA(InProgram(kRecordedLine).c_str());
        ASSERT_TRUE(CreateDirectoryA(ExtractDir().c_str(), nullptr));
        ASSERT_TRUE(WriteFileBytes(ExtractDir() + "\\旧.txt", "上次的"));
        ASSERT_TRUE(ResetServer());
        if (c.serve) Serve("/新版.zip", c.bytes, c.options);
        StartUpdater(Arguments(Url("/新版.zip")));
        WaitForExitCodeZero();
        EXPECT_TRUE(WaitForRestart()) << "the program was not started";
        EXPECT_EQ(ReadFileBytes(InProgram("旧.txt")), "上次的");
        EXPECT_FALSE(Exists(DownloadFile()));
        EXPECT_FALSE(Exists(InProgram("data\\a.txt")));
    }
}

TEST_F(UpdaterInstallTest, TheProgramFileIsReplacedOnceItIsFree) {
    // The old program still runs for a moment after starting the updater:
    // here its file is held open without write sharing for two seconds.
    HANDLE held = CreateFileA(InProgram("屏笺.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(WriteFileBytes(root_ + "\\new.exe", recorder_ + std::string(16, '\0')));
    const std::string newProgram = ReadFileBytes(root_ + "\\new.exe");
    Serve("/新版.zip", MakeZip({{"屏笺.exe", newProgram}}));
    StartUpdater(Arguments(Url("/新版.zip")));
    ASSERT_TRUE(WaitUntil([&] { return Exists(ExtractDir() + "\\屏笺.exe"); }));
    Sleep(2000);
    EXPECT_TRUE(updater_->Running()) << "the updater did not wait for the program file";
    CloseHandle(held);
    ASSERT_TRUE(WaitForRestart());
    WaitForExitCodeZero();
    EXPECT_EQ(ReadFileBytes(InProgram("屏笺.exe")), newProgram);
}

}  // namespace
}  // namespace e2e
