#include "update/updater_command_line.h"

namespace update {

std::string UpdateFolder(std::string_view programDirectory) {
    return std::string(programDirectory) + "\\升级文件";
}

std::string UpdaterPath(std::string_view programDirectory) {
    return UpdateFolder(programDirectory) + "\\update.exe";
}

std::string UpdateQuestion(std::string_view version, std::string_view notes) {
    std::string text = "发现有新版本可以更新！\r\n\r\n版本号：";
    text += version;
    text += "\r\n下载说明：";
    text += notes;
    return text;
}

std::string UpdaterCommandLine(std::string_view programDirectory, const ManifestValues& values) {
    std::string line = "\"" + UpdaterPath(programDirectory) + "\" ";
    line += kCheckWord;
    for (const std::string* value : {&values.downloadUrl, &values.fileTitle}) {
        line += ' ';
        line += *value;
    }
    line += " 运行 屏笺.exe";
    for (const std::string* value : {&values.fileName, &values.notes}) {
        line += ' ';
        line += *value;
    }
    return line;
}

}  // namespace update
