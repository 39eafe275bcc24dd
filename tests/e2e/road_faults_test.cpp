// The update road under faults. Whatever goes wrong on the way, the program
// folder ends up with 屏笺.exe whole, the old build or the new one byte for
// byte, the program runs again, and nothing outside its folder is touched.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "app/unique_handle.h"
#include "support/road_fixture.h"
#include "support/updater_program.h"
#include "support/zip_writer.h"

namespace e2e {
namespace {

enum class Fault {
    kCutAtZero,
    kCutAtHalf,
    kCutOneByteShort,
    kServerGoneBefore,
    kServerGoneDuring,
    kNotFoundPage,
    kBadCrc,
    kDamagedEntryData,
    kDamagedCentralDirectory,
    kEmptyArchive,
    kEscapingNames,
    kReadOnlyTarget,
    kTargetInUse,
};

struct FaultCase {
    const char* name;
    Fault fault;
    Build expected;
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

const FaultCase kFaults[] = {
    {"CutAtZero", Fault::kCutAtZero, Build::kOld},
    {"CutAtHalf", Fault::kCutAtHalf, Build::kOld},
    // The missing byte is the high byte of the archive comment's length,
    // which minizip reads as 0 at the end of the file: every entry arrived
    // whole and passes its CRC, so the new build is installed.
    {"CutOneByteShort", Fault::kCutOneByteShort, Build::kNew},
    {"ServerGoneBefore", Fault::kServerGoneBefore, Build::kOld},
    {"ServerGoneDuring", Fault::kServerGoneDuring, Build::kOld},
    {"NotFoundPage", Fault::kNotFoundPage, Build::kOld},
    {"BadCrc", Fault::kBadCrc, Build::kOld},
    {"DamagedEntryData", Fault::kDamagedEntryData, Build::kOld},
    {"DamagedCentralDirectory", Fault::kDamagedCentralDirectory, Build::kOld},
    {"EmptyArchive", Fault::kEmptyArchive, Build::kOld},
    {"EscapingNames", Fault::kEscapingNames, Build::kNew},
    {"ReadOnlyTarget", Fault::kReadOnlyTarget, Build::kOld},
    {"TargetInUse", Fault::kTargetInUse, Build::kOld},
};

std::uint32_t ReadU32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint16_t ReadU16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// Where the central directory of an archive without a comment lies.
struct Directory {
    std::size_t offset = 0, size = 0;
};
Directory CentralDirectory(const std::string& zip) {
    const std::size_t end = zip.size() - 22;
    EXPECT_EQ(zip.substr(end, 4), std::string("PK\5\6"));
    return {ReadU32(zip, end + 16), ReadU32(zip, end + 12)};
}

class RoadFaults : public RoadTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    static constexpr char kFaultPath[] = "/fault/pingjian-3.3.zip";

    // An archive (the published one, or a changed copy) goes out from the
    // test server with the download options.
    void ServeFromTestServer(const std::string& archive, const ServerParams& options = {}) {
        ASSERT_TRUE(WriteFileBytes(WorkFile("served.zip"), archive));
        ServerParams params{{"file", WorkFileUnix("served.zip")}};
        params.insert(params.end(), options.begin(), options.end());
        ASSERT_TRUE(SetAnswer(kFaultPath, "download", params));
    }

    void Prepare(Fault fault) {
        const bool fromTestServer = fault != Fault::kServerGoneBefore && fault != Fault::kServerGoneDuring &&
                                    fault != Fault::kNotFoundPage && fault != Fault::kReadOnlyTarget &&
                                    fault != Fault::kTargetInUse;
        if (fromTestServer)
            Publish(std::string(E2E_TEST_SERVER) + "/fault/");
        else
            Publish(nginx_->Url(fault == Fault::kServerGoneDuring ? "/slow/pingjian/" : "/pingjian/"));
        if (HasFatalFailure()) return;
        ServePublishedManifest();
        const std::string archive = ReadFileBytes(ArchivePath());
        ASSERT_GT(archive.size(), 1000u);
        std::string changed = archive;
        switch (fault) {
        case Fault::kCutAtZero: return ServeFromTestServer(archive, {{"cut", "0"}});
        case Fault::kCutAtHalf: return ServeFromTestServer(archive, {{"cut", std::to_string(archive.size() / 2)}});
        case Fault::kCutOneByteShort:
            return ServeFromTestServer(archive, {{"cut", std::to_string(archive.size() - 1)}});
        case Fault::kNotFoundPage:
            ASSERT_TRUE(DeleteFileA(ArchivePath().c_str()));  // nginx answers with its own 404 page
            return;
        case Fault::kBadCrc: {
            // 屏笺.exe comes first: its CRC in the local header and in the directory.
            ASSERT_EQ(archive.substr(0, 4), std::string("PK\3\4"));
            changed[14] ^= 0x5A;
            changed[CentralDirectory(archive).offset + 16] ^= 0x5A;
            return ServeFromTestServer(changed);
        }
        case Fault::kDamagedEntryData: {
            const std::size_t data = 30 + ReadU16(archive, 26) + ReadU16(archive, 28);
            const std::size_t middle = data + ReadU32(archive, 18) / 2;
            for (std::size_t i = middle; i < middle + 64; ++i) changed[i] = static_cast<char>(~changed[i]);
            return ServeFromTestServer(changed);
        }
        case Fault::kDamagedCentralDirectory: {
            const Directory directory = CentralDirectory(archive);
            for (std::size_t i = directory.offset; i < directory.offset + directory.size; ++i)
                changed[i] = static_cast<char>(0xA5 ^ (i & 0xFF));
            return ServeFromTestServer(changed);
        }
        case Fault::kEmptyArchive: return ServeFromTestServer("");
        case Fault::kEscapingNames: {
            std::string scratch = scratch_;
            for (char& c : scratch)
                if (c == '\\') c = '/';
            return ServeFromTestServer(MakeZip({
                {"屏笺.exe", newBuild_},
                {"资料/新.txt", "新"},
                {"../../../逃出1.txt", "1"},
                {"资料/../../../../逃出2.txt", "2"},
                {"..\\..\\..\\逃出3.txt", "3"},
                {scratch + "/逃出4.txt", "4"},           // with its drive
                {scratch.substr(2) + "/逃出5.txt", "5"},  // from the drive's root
                {"\\\\?\\" + scratch_ + "\\逃出6.txt", "6"},
            }));
        }
        default: return;
        }
    }

    // Just before OK: what stands in the updater's way from the start.
    void BeforeOk(Fault fault) {
        if (fault == Fault::kServerGoneBefore) nginx_->Stop();
        if (fault == Fault::kReadOnlyTarget) {
            ASSERT_TRUE(SetFileAttributesA(ProgramExe().c_str(), FILE_ATTRIBUTE_READONLY));
        }
        if (fault == Fault::kTargetInUse) {
            // Another program reads 屏笺.exe and lets nobody write it meanwhile.
            held_.Reset(CreateFileA(ProgramExe().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(held_);
        }
    }

    void DuringTransfer(Fault fault) {
        if (fault != Fault::kServerGoneDuring) return;
        ASSERT_TRUE(WaitUntil([] { return UpdaterLog().find("收到数据") != std::string::npos; }, 20000))
            << "no data arrived; log: " << UpdaterLog();
        nginx_->Stop();
    }

    void TearDown() override {
        held_.Reset();  // before the program folder goes
        RoadTest::TearDown();
    }

    app::UniqueFile held_;
};

TEST_P(RoadFaults, TheProgramFolderStaysWholeAndTheProgramRunsAgain) {
    const FaultCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Prepare(c.fault));
    HWND question = StartAndAskForUpdate();
    ASSERT_NE(question, nullptr);
    ASSERT_NO_FATAL_FAILURE(BeforeOk(c.fault));
    ASSERT_NO_FATAL_FAILURE(AcceptUpdate(question));
    ASSERT_NO_FATAL_FAILURE(DuringTransfer(c.fault));

    const DWORD restarted = WaitForRestart();
    const std::string log = UpdaterLog();
    held_.Reset();
    ASSERT_NE(restarted, 0u) << "屏笺.exe did not run again; updater log: " << log;
    EXPECT_TRUE(WaitForUpdaterEnd());
    EXPECT_EQ(InstalledBuild(), c.expected) << "屏笺.exe";
    ExpectNothingWrittenOutside();
    if (c.fault == Fault::kEscapingNames) {
        EXPECT_EQ(ReadFileBytes(program_->Folder() / "资料\\新.txt"), "新");
        for (const char* name : {"逃出1.txt", "逃出2.txt", "逃出3.txt"}) {
            EXPECT_FALSE(Exists(program_->Folder() / name)) << name;
            EXPECT_FALSE(Exists(program_->Folder() / (std::string("升级文件\\") + name))) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RoadFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& param) { return std::string(param.param.name); });

// The manifest itself is hostile: the check survives it, the program goes on
// running, and its folder is left as it was.
enum class ManifestFault { kEndlessBody, kTenMebibytesOfGarbage, kNestedDeep, kTenThousandAttributes };

struct ManifestCase {
    const char* name;
    ManifestFault fault;
    bool asks;  // the manifest is readable after all and offers 3.3
};

void PrintTo(const ManifestCase& c, std::ostream* out) { *out << c.name; }

const ManifestCase kManifestFaults[] = {
    {"EndlessBody", ManifestFault::kEndlessBody, false},
    {"TenMebibytesOfGarbage", ManifestFault::kTenMebibytesOfGarbage, false},
    {"NestedDeep", ManifestFault::kNestedDeep, true},
    {"TenThousandAttributes", ManifestFault::kTenThousandAttributes, true},
};

constexpr char kVersionInfo[] =
    "<版本信息 版本号=\"3.3\" 升级说明=\"修正\" 下载地址=\"http://127.0.0.1/新版.zip\" 文件标题=\"屏笺\" "
    "文件名=\"新版.zip\"";

class RoadManifestFaults : public RoadTest, public ::testing::WithParamInterface<ManifestCase> {
protected:
    void ServeFile(const std::string& body) {
        ASSERT_TRUE(WriteFileBytes(WorkFile("manifest.xml"), ToUtf8(body)));
        ASSERT_TRUE(SetAnswer(kManifestPath, "manifest", {{"file", WorkFileUnix("manifest.xml")}}));
    }

    void Prepare(ManifestFault fault) {
        switch (fault) {
        case ManifestFault::kEndlessBody:
            // Ever deeper, never closed: the reader gets as much as it takes.
            ASSERT_TRUE(SetAnswer(kManifestPath, "endless", {{"filler", ToUtf8("<最新版本>")}}));
            return;
        case ManifestFault::kTenMebibytesOfGarbage:
            ASSERT_TRUE(SetAnswer(kManifestPath, "garbage", {{"size", std::to_string(10 * 1024 * 1024)}}));
            return;
        case ManifestFault::kNestedDeep: {
            // 100,000 levels before the element the check reads.
            std::string body = "<最新版本>";
            for (int i = 0; i < 100000; ++i) body += "<a>";
            for (int i = 0; i < 100000; ++i) body += "</a>";
            return ServeFile(body + kVersionInfo + "/></最新版本>");
        }
        case ManifestFault::kTenThousandAttributes: {
            std::string element = "<版本信息";
            for (int i = 0; i < 10000; ++i) element += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
            return ServeFile("<最新版本>" + element + std::string(kVersionInfo).substr(std::string("<版本信息").size()) +
                             "/></最新版本>");
        }
        }
    }
};

TEST_P(RoadManifestFaults, TheCheckSurvivesAndTheProgramGoesOn) {
    const ManifestCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Prepare(c.fault));
    ASSERT_TRUE(program_->Start());
    ASSERT_TRUE(program_->ChooseCheckForUpdate());
    if (c.asks) {
        HWND question = program_->WaitForBox(kQuestionCaption);
        ASSERT_NE(question, nullptr) << "windows: " << program_->Windows();
        SendMessageA(GetDlgItem(question, IDCANCEL), BM_CLICK, 0, 0);
    } else {
        EXPECT_TRUE(WaitUntil([&] { return program_->Title() == kNoNewVersionTitle; }, 30000))
            << "title: " << program_->Title() << "; windows: " << program_->Windows();
    }
    EXPECT_TRUE(WaitUntil([&] { return program_->Title() == kMainTitle; }, 15000)) << program_->Title();
    EXPECT_TRUE(program_->Process().Running());
    EXPECT_EQ(InstalledBuild(), Build::kOld);
    EXPECT_TRUE(WaitForUpdaterEnd(1000)) << "an updater was started";
    ExpectNothingWrittenOutside();
}

INSTANTIATE_TEST_SUITE_P(Cases, RoadManifestFaults, ::testing::ValuesIn(kManifestFaults),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace e2e
