// The update road as a user meets it: the real 屏笺.exe (the old build) in a
// program folder inside a scratch folder of its own, a new build published
// with the publishing tool, served by nginx or by the test server, and the
// checks every road ends with: 屏笺.exe is whole, old or new, it runs again,
// and nothing outside its folder was touched.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "support/nginx_server.h"
#include "support/update_check_program.h"

namespace e2e {

// Every file and folder below a folder by relative path, a file with its
// bytes, a folder with a mark; the subfolder leftOut (relative) is skipped.
using TreeSnapshot = std::map<std::string, std::string>;
TreeSnapshot SnapshotTree(const std::string& folder, const std::string& leftOut = "");

// Which build stands in the program folder.
enum class Build { kOld, kNew, kNeither };
const char* BuildName(Build build);
inline void PrintTo(Build build, std::ostream* out) { *out << BuildName(build); }

class RoadTest : public ::testing::Test {
public:
    static constexpr char kVersion[] = "3.3";
    static constexpr char kNotes[] = "修正若干问题\r\n第二行：更稳";
    static constexpr char kArchiveName[] = "pingjian-3.3.zip";

protected:
    void SetUp() override;
    void TearDown() override;

    // The new build is published with scripts/release.py for the folder URL
    // (ending in '/'); nginx serves what it wrote below /pingjian/.
    void Publish(const std::string& folderUrl);
    // The test server's manifest route answers with the published 屏笺.xml.
    void ServePublishedManifest();
    // Unix and Windows paths of the published archive.
    std::string ArchiveUnixPath() const { return wwwUnix_ + "/pingjian/" + kArchiveName; }
    std::string ArchivePath() const { return WindowsPathOf(ArchiveUnixPath()); }
    // A file in the road's working folder (outside the scratch folder).
    std::string WorkFile(const std::string& name) const { return WindowsPathOf(workUnix_) + "\\" + name; }
    std::string WorkFileUnix(const std::string& name) const { return workUnix_ + "/" + name; }

    // Starts the old build and chooses 检测升级; the update question box.
    HWND StartAndAskForUpdate();
    // OK in the question; the old program must end.
    void AcceptUpdate(HWND question);
    // The updater's log text, empty while its window is missing.
    static std::string UpdaterLog();
    // Waits until 屏笺.exe runs from the program folder in another process
    // than the old one, with MainWindow up; its process id, or 0.
    DWORD WaitForRestart(DWORD milliseconds = 45000) const;
    // Waits until no update.exe runs any more.
    static bool WaitForUpdaterEnd(DWORD milliseconds = 20000);
    Build InstalledBuild() const;
    // Nothing in the scratch folder outside the program folder changed.
    void ExpectNothingWrittenOutside() const;

    std::string ProgramExe() const { return program_->Folder() / kMainExe; }

    std::string oldBuild_, newBuild_;
    std::string scratch_;  // Windows path of the folder that holds the program folder
    std::unique_ptr<UpdateCheckProgram> program_;
    std::unique_ptr<NginxServer> nginx_;
    DWORD oldProcess_ = 0;

private:
    std::string workUnix_, wwwUnix_, distUnix_;
    TreeSnapshot before_;
};

}  // namespace e2e
