#include "updater/updater_paths.h"

namespace updater {

std::string DownloadFolder(std::string_view updaterDirectory) {
    return std::string(updaterDirectory) + "\\升级文件\\";
}

std::string DownloadFilePath(std::string_view updaterDirectory, int task) {
    return DownloadFolder(updaterDirectory) + "temp" + std::to_string(task) + ".zip";
}

std::string ExtractFolder(std::string_view updaterDirectory) { return std::string(updaterDirectory) + "\\e_update"; }

std::string TargetFolder(std::string_view updaterDirectory) { return std::string(updaterDirectory) + "\\..\\"; }

std::string ProgramPath(std::string_view updaterDirectory, std::string_view programName) {
    return TargetFolder(updaterDirectory) + std::string(programName);
}

std::string ProgramCommandLine(std::string_view path) { return "\"" + std::string(path) + "\""; }

}  // namespace updater
