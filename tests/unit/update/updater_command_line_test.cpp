// The question to the user and the command line handed to the updater.
#include <gtest/gtest.h>

#include "update/updater_command_line.h"

namespace update {
namespace {

TEST(UpdaterCommandLine, QuotesThePathAndPassesValuesUnchanged) {
    struct Case {
        const char* directory;
        ManifestValues values;
        const char* line;
    } cases[] = {
        {"C:\\Tools", {"http://h/新版.zip", "屏笺", "新版.zip", "修正"},
         "\"C:\\Tools\\升级文件\\update.exe\" 核对暗号 http://h/新版.zip 屏笺 运行 屏笺.exe 新版.zip 修正"},
        {"C:\\Program Files\\屏笺", {"", "", "", ""},
         "\"C:\\Program Files\\屏笺\\升级文件\\update.exe\" 核对暗号   运行 屏笺.exe  "},
        {"C:\\T", {"", "题", "名", "说明"}, "\"C:\\T\\升级文件\\update.exe\" 核对暗号  题 运行 屏笺.exe 名 说明"},
        {"D:\\x", {"a b", " 标题 ", "名 字", "第一行\r\n第二行 "},
         "\"D:\\x\\升级文件\\update.exe\" 核对暗号 a b  标题  运行 屏笺.exe 名 字 第一行\r\n第二行 "},
    };
    for (const Case& c : cases) EXPECT_EQ(UpdaterCommandLine(c.directory, c.values), c.line) << c.directory;
}

TEST(UpdaterCommandLine, PathsAndQuestion) {
    EXPECT_EQ(UpdateFolder("C:\\Tools"), "C:\\Tools\\升级文件");
    EXPECT_EQ(UpdaterPath("C:\\Tools"), "C:\\Tools\\升级文件\\update.exe");
    EXPECT_EQ(UpdateQuestion("3.30", "第一行\r\n第二行"),
              "发现有新版本可以更新！\r\n\r\n版本号：3.30\r\n下载说明：第一行\r\n第二行");
    EXPECT_EQ(UpdateQuestion("", ""), "发现有新版本可以更新！\r\n\r\n版本号：\r\n下载说明：");
}

}  // namespace
}  // namespace update
