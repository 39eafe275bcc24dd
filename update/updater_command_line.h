// The texts the update check builds: the updater's paths, the question to the
// user and the command line that hands the manifest's values to the updater.
#pragma once
#include <string>
#include <string_view>

namespace update {

// The start-up word the updater compares its first argument with.
inline constexpr char kCheckWord[] = "核对暗号";

std::string UpdateFolder(std::string_view programDirectory);  // dir\升级文件
std::string UpdaterPath(std::string_view programDirectory);   // dir\升级文件\update.exe

// "发现有新版本可以更新！\r\n\r\n版本号：" 版本号 "\r\n下载说明：" 升级说明
std::string UpdateQuestion(std::string_view version, std::string_view notes);

struct ManifestValues {
    std::string downloadUrl;  // 下载地址
    std::string fileTitle;    // 文件标题
    std::string fileName;     // 文件名
    std::string notes;        // 升级说明
};

// The updater's path in double quotes (a program folder may hold blanks),
// then the check word, the download address, the file title, "运行 屏笺.exe",
// the file name and the notes, each after one blank and exactly as read.
std::string UpdaterCommandLine(std::string_view programDirectory, const ManifestValues& values);

}  // namespace update
