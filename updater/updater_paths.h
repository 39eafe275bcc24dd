// Where the updater keeps its files, relative to its own folder, and the
// program it starts when the installation is done.
#pragma once
#include <string>
#include <string_view>

namespace updater {

// "\升级文件\": the download folder below the updater's folder.
std::string DownloadFolder(std::string_view updaterDirectory);
// The download folder's "temp<n>.zip".
std::string DownloadFilePath(std::string_view updaterDirectory, int task);
// "\e_update": where the archive is unpacked.
std::string ExtractFolder(std::string_view updaterDirectory);
// "\..\": the main program's folder when the main program started the updater.
std::string TargetFolder(std::string_view updaterDirectory);
// The target folder followed by the program's file name.
std::string ProgramPath(std::string_view updaterDirectory, std::string_view programName);
// A command line that starts the program at path with no arguments; quoted,
// so a folder with a blank cannot start another program.
std::string ProgramCommandLine(std::string_view path);

}  // namespace updater
