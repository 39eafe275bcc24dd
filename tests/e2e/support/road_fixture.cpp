#include "support/road_fixture.h"

#include <windows.h>
#include <tlhelp32.h>

#include <random>

#include "support/road_unix.h"
#include "support/updater_program.h"
#include "updater/updater_form.h"

namespace e2e {
namespace {

// gtest names of parameterised tests hold slashes.
std::string PlainTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

void Snapshot(const std::string& folder, const std::string& relative, const std::string& leftOut,
              TreeSnapshot& tree) {
    WIN32_FIND_DATAA found{};
    const std::string base = relative.empty() ? folder : folder + "\\" + relative;
    HANDLE search = FindFirstFileA((base + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = relative.empty() ? name : relative + "\\" + name;
        if (path == leftOut) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[path] = "<folder>";
            Snapshot(folder, path, leftOut, tree);
        } else {
            tree[path] = "file:" + ReadFileBytes(folder + "\\" + path);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

std::string ImagePathOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    char path[MAX_PATH * 4] = {};
    DWORD size = sizeof path;
    const bool ok = QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    return ok ? std::string(path, size) : std::string();
}

bool ProcessRunning(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
        running = lstrcmpiA(entry.szExeFile, exeName) == 0;
    CloseHandle(snapshot);
    return running;
}

HWND UpdaterControl(HWND window, int id) {
    if (id == updater::kId编辑框1交互信息) return GetDlgItem(window, id);
    return GetDlgItem(GetDlgItem(GetDlgItem(window, updater::kId图片框1), updater::kId图片框2), id);
}

}  // namespace

TreeSnapshot SnapshotTree(const std::string& folder, const std::string& leftOut) {
    TreeSnapshot tree;
    Snapshot(folder, "", leftOut, tree);
    return tree;
}

const char* BuildName(Build build) {
    switch (build) {
    case Build::kOld: return "the old build";
    case Build::kNew: return "the new build";
    default: return "neither build";
    }
}

void RoadTest::SetUp() {
    KillStrayProcesses({kMainExe, "update.exe"});
    ASSERT_TRUE(WaitUntil(ResetServer, 15000)) << "the test server does not answer at " << E2E_TEST_SERVER;
    const std::string name = PlainTestName();

    // The road's own working folder in the build tree: the new build's
    // dist/, what the publishing tool writes, nginx's files.
    workUnix_ = std::string(E2E_ROAD_DIR) + "/" + name;
    wwwUnix_ = workUnix_ + "/www";
    distUnix_ = workUnix_ + "/dist";
    NginxServer::StopLeftOver(workUnix_ + "/nginx");
    DeleteTree(WindowsPathOf(workUnix_));
    CreateDirectoryA(WindowsPathOf(E2E_ROAD_DIR).c_str(), nullptr);
    for (const std::string& folder : {workUnix_, wwwUnix_, distUnix_, distUnix_ + "/资料"})
        ASSERT_TRUE(CreateDirectoryA(WindowsPathOf(folder).c_str(), nullptr)) << folder;

    // The old build is dist/屏笺.exe; the new one is the same program with
    // bytes of its own appended, so the two can be told apart on disk.
    oldBuild_ = ReadFileBytes(DistPath(kMainExe));
    ASSERT_FALSE(oldBuild_.empty());
    static constexpr char kMark[] = "\0新版 3.3\0";
    newBuild_ = oldBuild_ + std::string(kMark, sizeof kMark - 1);
    const std::string dist = WindowsPathOf(distUnix_);
    ASSERT_TRUE(WriteFileBytes(dist + "\\" + kMainExe, newBuild_));
    ASSERT_TRUE(CopyFileA(DistPath("update.exe").c_str(), (dist + "\\update.exe").c_str(), FALSE));
    ASSERT_TRUE(WriteFileBytes(dist + "\\资料\\读我.txt", "新版的说明\r\n"));
    // Incompressible, so that the slow route takes a few seconds.
    std::mt19937 random(33);
    std::string noise(256 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    ASSERT_TRUE(WriteFileBytes(dist + "\\资料\\图.bin", noise));
    ASSERT_TRUE(WriteFileBytes(WorkFile("notes.txt"), ToUtf8(kNotes)));

    // The scratch folder: the program folder and a neighbour that must stay as it is.
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    scratch_ = std::string(temp) + "道路_" + name;
    DeleteTree(scratch_);
    ASSERT_TRUE(CreateDirectoryA(scratch_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((scratch_ + "\\旁边").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(scratch_ + "\\旁边\\邻居.txt", "别动我"));
    ASSERT_TRUE(WriteFileBytes(scratch_ + "\\屏笺.exe", "不是程序"));
    program_ = std::make_unique<UpdateCheckProgram>("道路_" + name + "\\程序");
    ASSERT_TRUE(program_->Folder().Ready());
    before_ = SnapshotTree(scratch_, "程序");
    ASSERT_EQ(before_.size(), 3u) << "the scratch folder cannot be read back";

    nginx_ = std::make_unique<NginxServer>(workUnix_ + "/nginx", wwwUnix_);
    ASSERT_TRUE(nginx_->Running()) << "nginx did not start; see " << workUnix_ << "/nginx";
}

void RoadTest::TearDown() {
    KillStrayProcesses({kMainExe, "update.exe"});
    if (program_) SetFileAttributesA(ProgramExe().c_str(), FILE_ATTRIBUTE_NORMAL);
    program_.reset();
    nginx_.reset();
    DeleteTree(scratch_);
}

void RoadTest::Publish(const std::string& folderUrl) {
    const std::string command = std::string("/usr/bin/python3 \"") + E2E_RELEASE_TOOL + "\" --version " + kVersion +
                                " --notes \"" + WorkFileUnix("notes.txt") + "\" --url \"" + folderUrl +
                                "\" --dist \"" + distUnix_ + "\" --out \"" + wwwUnix_ + "/pingjian\"";
    ASSERT_EQ(RunUnixScript(command, workUnix_), 0) << command;
    ASSERT_TRUE(Exists(ArchivePath()));
    ASSERT_TRUE(Exists(WindowsPathOf(wwwUnix_) + "\\pingjian\\屏笺.xml"));
}

void RoadTest::ServePublishedManifest() {
    const std::string manifest = UnixPath(WindowsPathOf(wwwUnix_) + "\\pingjian\\屏笺.xml");
    ASSERT_FALSE(manifest.empty());
    ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"file", manifest}}));
}

HWND RoadTest::StartAndAskForUpdate() {
    if (!program_->Start()) {
        ADD_FAILURE() << "the old build did not start";
        return nullptr;
    }
    oldProcess_ = program_->Process().Id();
    if (!program_->ChooseCheckForUpdate()) {
        ADD_FAILURE() << "检测升级 could not be chosen";
        return nullptr;
    }
    HWND question = program_->WaitForBox(kQuestionCaption);
    if (!question) ADD_FAILURE() << "no update question; windows: " << program_->Windows();
    return question;
}

void RoadTest::AcceptUpdate(HWND question) {
    SendMessageA(GetDlgItem(question, IDOK), BM_CLICK, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program_->Process().WaitForExit(15000, &exitCode)) << "the old build still runs after OK";
    EXPECT_EQ(exitCode, 0u);
}

std::string RoadTest::UpdaterLog() {
    HWND window = FindTopWindow(0, kUpdaterTitle);
    return window ? WindowText(UpdaterControl(window, updater::kId编辑框1交互信息)) : std::string();
}

DWORD RoadTest::WaitForRestart(DWORD milliseconds) const {
    const std::string exe = FullPath(ProgramExe());
    DWORD restarted = 0;
    WaitUntil(
        [&] {
            HWND window = FindTopWindow(0, kMainTitle);
            DWORD id = 0;
            if (window) GetWindowThreadProcessId(window, &id);
            if (id == 0 || id == oldProcess_) return false;
            if (lstrcmpiA(FullPath(ImagePathOf(id)).c_str(), exe.c_str()) != 0) return false;
            restarted = id;
            return true;
        },
        milliseconds);
    return restarted;
}

bool RoadTest::WaitForUpdaterEnd(DWORD milliseconds) {
    return WaitUntil([] { return !ProcessRunning("update.exe"); }, milliseconds);
}

Build RoadTest::InstalledBuild() const {
    const std::string bytes = ReadFileBytes(ProgramExe());
    if (bytes == oldBuild_) return Build::kOld;
    if (bytes == newBuild_) return Build::kNew;
    return Build::kNeither;
}

void RoadTest::ExpectNothingWrittenOutside() const {
    const TreeSnapshot after = SnapshotTree(scratch_, "程序");
    std::string changes;
    for (const auto& [path, content] : after) {
        const auto was = before_.find(path);
        if (was == before_.end()) changes += " added " + path + ";";
        else if (was->second != content) changes += " changed " + path + ";";
    }
    for (const auto& [path, content] : before_)
        if (!after.count(path)) changes += " removed " + path + ";";
    EXPECT_TRUE(changes.empty()) << "outside the program folder:" << changes;
}

}  // namespace e2e
