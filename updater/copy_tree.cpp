#include "updater/copy_tree.h"

#include <windows.h>

#include "app/unique_handle.h"
#include "update/process_pending_messages.h"
#include "app/ansi_path.h"

namespace updater {
namespace {

void AppendBackslash(std::string& path) {
    if (!app::EndsWithBackslash(path)) path += '\\';
}

bool IsFolder(const WIN32_FIND_DATAA& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Calls visit for every entry the platform lists for source + "*.*".
template <typename Visit>
void ForEachEntry(const std::string& source, Visit visit) {
    WIN32_FIND_DATAA entry{};
    app::UniqueFind search(FindFirstFileA((source + "*.*").c_str(), &entry));
    if (!search) return;
    do {
        visit(entry);
    } while (FindNextFileA(search.Get(), &entry));
}

}  // namespace

bool CopyTree(std::string source, std::string target) {
    update::ProcessPendingMessages();  // the window keeps painting during a long copy
    AppendBackslash(source);

    bool anyFile = false;
    ForEachEntry(source, [&](const WIN32_FIND_DATAA& entry) {
        if (IsFolder(entry)) return;
        anyFile = true;
        CreateDirectoryA(target.c_str(), nullptr);
        AppendBackslash(target);
        const std::string copy = target + entry.cFileName;
        // Windows refuses to overwrite a read-only file; Wine run by root
        // would not, so the rule is kept here.
        const DWORD attributes = GetFileAttributesA(copy.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return;
        CopyFileA((source + entry.cFileName).c_str(), copy.c_str(), FALSE);
    });
    if (!anyFile) CreateDirectoryA(target.c_str(), nullptr);

    ForEachEntry(source, [&](const WIN32_FIND_DATAA& entry) {
        if (!IsFolder(entry)) return;
        AppendBackslash(target);
        const std::string name = entry.cFileName;
        if (name[0] != '.') CopyTree(source + name, target + name);
        CreateDirectoryA((target + name).c_str(), nullptr);
    });
    return true;
}

}  // namespace updater
