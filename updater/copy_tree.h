// CopyTree: copies a folder's whole tree over another, files of a folder
// before its sub-folders, creating every level first. Folders whose names
// begin with "." are created empty, not entered. Failures are skipped.
#pragma once
#include <string>

namespace updater {

bool CopyTree(std::string source, std::string target);  // true always

}  // namespace updater
