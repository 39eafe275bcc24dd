// Paths in code page 936, the updater's own paths, and the names of archive
// entries that may be written.
#include <gtest/gtest.h>

#include "updater/task_row_layout.h"
#include "updater/updater_paths.h"
#include "updater/zip_entry_name.h"

namespace updater {
namespace {

// "表" is 0xB1 0xED; 0x5C as a second byte: "\x95\x5c".
const std::string kTrailBackslash = "\x95\x5c";

TEST(UpdaterPathsTest, BelowTheUpdatersFolder) {
    const std::string dir = "C:\\My Tools\\升级文件";
    EXPECT_EQ(DownloadFolder(dir), "C:\\My Tools\\升级文件\\升级文件\\");
    EXPECT_EQ(DownloadFilePath(dir, 1), "C:\\My Tools\\升级文件\\升级文件\\temp1.zip");
    EXPECT_EQ(DownloadFilePath(dir, 12), "C:\\My Tools\\升级文件\\升级文件\\temp12.zip");
    EXPECT_EQ(ExtractFolder(dir), "C:\\My Tools\\升级文件\\e_update");
    EXPECT_EQ(TargetFolder(dir), "C:\\My Tools\\升级文件\\..\\");
    EXPECT_EQ(ProgramPath(dir, "屏笺.exe"), "C:\\My Tools\\升级文件\\..\\屏笺.exe");
    EXPECT_EQ(ProgramCommandLine("C:\\My Tools\\屏笺.exe"), "\"C:\\My Tools\\屏笺.exe\"");
}

TEST(SafeEntryPathTest, RelativeNamesLandBelowTheFolder) {
    struct Case {
        std::string name;
        std::string relative;
        bool folder;
    } cases[] = {
        {"屏笺.exe", "屏笺.exe", false},
        {"data/a.txt", "data\\a.txt", false},
        {"data\\a.txt", "data\\a.txt", false},
        {"data/", "data", true},
        {"a/b/c/", "a\\b\\c", true},
        {"./a.txt", "a.txt", false},
        {"a//b", "a\\b", false},
        {".cfg/x.ini", ".cfg\\x.ini", false},
        {"a..b/c..", "a..b\\c..", false},
        {"x" + kTrailBackslash + "y.txt", "x" + kTrailBackslash + "y.txt", false},  // not a separator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = SafeEntryPath(c.name);
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(path->relative, c.relative);
        EXPECT_EQ(path->folder, c.folder);
    }
}

TEST(SafeEntryPathTest, NamesThatWouldLeaveTheFolderAreRefused) {
    const std::string names[] = {
        "",        "/etc/x",     "\\x.txt",       "\\\\server\\share\\x", "C:\\x.txt", "C:x.txt",
        "../x",    "a/../../x",  "a\\..\\..\\x",  "..",                   "a/..",      ".../x",
        ".. /x",   "./",         "/",             "a.txt:stream",         std::string("a\x01.txt"),
        "CON",     "data/nul.txt", "com1",        "LPT9.log",             "aux .txt",  std::string("a\xB1\x00b", 4),
        std::string("a\xB1"), std::string("a\xB1\x2F"),
    };
    for (const std::string& name : names) EXPECT_FALSE(SafeEntryPath(name).has_value()) << name;
    // Names that only look like devices are files like any other.
    for (const std::string name : {"CONSOLE.txt", "com10", "nul_a", "LPT0"}) EXPECT_TRUE(SafeEntryPath(name)) << name;
}

TEST(TaskRowLayoutTest, RowOneStandsWhereTheTemplateStands) {
    const RowBoxes row = PlaceTaskRow(std::nullopt);
    for (TaskRowPart part : {kRowName, kRowSize, kRowProgress, kRowSpeed, kRowOperation}) {
        EXPECT_EQ(row[part].left, kRowTemplate[part].left);
        EXPECT_EQ(row[part].top, 21);
        EXPECT_EQ(row[part].width, kRowTemplate[part].width);
        EXPECT_EQ(row[part].height, kRowTemplate[part].height);
    }
    // The separator goes two pixels below the name label.
    EXPECT_EQ(row[kRowSeparator].left, 1);
    EXPECT_EQ(row[kRowSeparator].top, 21 + 16 + 2);
    EXPECT_EQ(row[kRowSeparator].width, 513);

    const RowBoxes second = PlaceTaskRow(row);
    EXPECT_EQ(second[kRowName].top, 40);
    EXPECT_EQ(second[kRowSeparator].top, 58);
}

}  // namespace
}  // namespace updater
