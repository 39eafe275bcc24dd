// Puts the updater on disk as 升级文件\update.exe below the program's folder,
// once: an update.exe already there is never replaced.
#pragma once
#include <string>

namespace update {

// Whether something of that name exists, folder or file.
bool NameExists(const std::string& path);

void DeployUpdater(const std::string& programDirectory);

}  // namespace update
