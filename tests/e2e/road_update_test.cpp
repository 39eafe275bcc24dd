// The update road end to end, as the program's maker and its users meet it:
// the new build is published with the publishing tool, its archive is served
// by nginx, and the real 屏笺.exe finds it, asks, hands over to update.exe and
// comes back as the new build.
#include <gtest/gtest.h>

#include "support/road_fixture.h"

namespace e2e {
namespace {

using RoadUpdate = RoadTest;

TEST_F(RoadUpdate, TheProgramUpdatesItselfFromAPublishedRelease) {
    ASSERT_NO_FATAL_FAILURE(Publish(nginx_->Url("/pingjian/")));
    ASSERT_NO_FATAL_FAILURE(ServePublishedManifest());

    HWND question = StartAndAskForUpdate();
    ASSERT_NE(question, nullptr);
    const std::string asked = BoxText(question);
    EXPECT_NE(asked.find(kVersion), std::string::npos) << asked;
    EXPECT_NE(asked.find(kNotes), std::string::npos) << "the notes reach the user with their line break: " << asked;
    ASSERT_NO_FATAL_FAILURE(AcceptUpdate(question));

    const DWORD restarted = WaitForRestart();
    ASSERT_NE(restarted, 0u) << "屏笺.exe did not run again; updater log: " << UpdaterLog();
    EXPECT_TRUE(WaitForUpdaterEnd());
    EXPECT_EQ(InstalledBuild(), Build::kNew) << "屏笺.exe";
    EXPECT_EQ(ReadFileBytes(program_->Folder() / "资料\\读我.txt"), "新版的说明\r\n");
    EXPECT_EQ(ReadFileBytes(program_->Folder() / "资料\\图.bin").size(), 256u * 1024);
    EXPECT_FALSE(Exists(program_->Folder() / "升级文件\\升级文件\\temp1.zip")) << "the archive was not deleted";
    ExpectNothingWrittenOutside();

    // nginx, not the test server, handed out the archive.
    const std::string log = nginx_->AccessLog();
    const std::size_t request = log.find(std::string("\"GET /pingjian/") + kArchiveName + " HTTP/");
    ASSERT_NE(request, std::string::npos) << log;
    EXPECT_EQ(log.substr(log.find('"', request + 1), 6), "\" 200 ") << log;
}

}  // namespace
}  // namespace e2e
