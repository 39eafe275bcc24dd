// update.exe's start: the argument check with its error box, the window with
// its controls, the version resource, and Esc.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/updater_program.h"
#include "updater/updater_form.h"

namespace e2e {
namespace {

using namespace updater;

// Every file and folder below root, for "nothing on disk changed".
std::vector<std::string> Listing(const std::string& root) {
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((root + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        found.push_back(root + "\\" + name);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            for (const std::string& below : Listing(root + "\\" + name)) found.push_back(below);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

using UpdaterStartTest = UpdaterTest;

TEST_F(UpdaterStartTest, WrongArgumentsShowTheErrorBoxAndChangeNothing) {
    Serve("/新版.zip", MakeZip({{"屏笺.exe", "x"}}));
    const struct {
        const char* what;
        std::string arguments;
    } cases[] = {
        {"no arguments", ""},
        {"wrong first word", "核对暗码 " + Url("/新版.zip") + " 新版屏笺 运行 屏笺.exe 新版.zip 修正"},
        {"five arguments", std::string(kStartWord) + " " + Url("/新版.zip") + " 新版屏笺 运行 屏笺.exe"},
        {"empty title and notes leave five", std::string(kStartWord) + " " + Url("/新版.zip") + "  运行 屏笺.exe 新版.zip "},
    };
    const std::vector<std::string> before = Listing(ProgramDir());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartUpdater(c.arguments);
        HWND box = WaitForMessageBox(updater_->Id(), "信息：");
        ASSERT_NE(box, nullptr) << "no error box";
        EXPECT_EQ(BoxText(box), "程序调用参数错误！");
        EXPECT_EQ(FindTopWindow(updater_->Id(), kUpdaterTitle), nullptr);
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        WaitForExitCodeZero(10000);
        EXPECT_EQ(Listing(ProgramDir()), before);
    }
}

TEST_F(UpdaterStartTest, AnUnquotedPathWithABlankMakesTheRestArgumentOne) {
    const std::string folder = root_ + "\\带 空格";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string updater = folder + "\\update.exe";
    ASSERT_TRUE(CopyFileA(UpdaterPath().c_str(), updater.c_str(), FALSE));
    updater_ = std::make_unique<Program>(updater, Arguments(Url("/新版.zip")), folder, false);
    ASSERT_TRUE(updater_->Started());
    HWND box = WaitForMessageBox(updater_->Id(), "信息：");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(BoxText(box), "程序调用参数错误！");
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    WaitForExitCodeZero(10000);
    EXPECT_FALSE(Exists(folder + "\\升级文件"));
}

// A transfer held by the server keeps the window as it is while the test looks.
class UpdaterWindowTest : public UpdaterTest {
protected:
    void SetUp() override {
        UpdaterTest::SetUp();
        if (HasFatalFailure()) return;
        Serve("/新版.zip", MakeZip({{"屏笺.exe", recorder_}}), {{"hold", "0"}, {"gate", gate_}});
        StartUpdater(Arguments(Url("/新版.zip")));
        ASSERT_NE(WaitForWindow(), nullptr);
    }
    void TearDown() override {
        OpenGate(gate_);
        UpdaterTest::TearDown();
    }
    const std::string gate_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(UpdaterWindowTest, WindowStandsCentredWithItsFrame) {
    const RECT rect = WindowRectOf(window_);
    EXPECT_EQ(rect.left, (1920 - 538) / 2);
    EXPECT_EQ(rect.top, (1080 - 222) / 2);
    EXPECT_EQ(rect.right - rect.left, 538);
    EXPECT_EQ(rect.bottom - rect.top, 222);
    const LONG style = GetWindowLongA(window_, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);

    // The background between the panel and the log.
    const RECT client = ClientRectOnScreen(window_);
    BringToFront(window_);
    const std::vector<COLORREF> pixels = CapturePixels({client.left + 3, client.top + 170, client.left + 4, client.top + 171});
    ASSERT_EQ(pixels.size(), 1u);
    EXPECT_EQ(pixels[0], RGB(236, 236, 236));
}

TEST_F(UpdaterWindowTest, ControlsStandWhereTheFormPutsThem) {
    const struct {
        int id;
        const char* className;  // empty: any
        const char* text;       // nullptr: not compared
        Box box;
        bool visible;
    } controls[] = {
        {kId图片框1, "", nullptr, kBox图片框1, true},
        {kId图片框2, "", nullptr, kBox图片框2, true},
        {kId标签1任务名称, "Static", "任务名称", kBox标签1任务名称, true},
        {kId标签2任务大小, "Static", "任务大小", kBox标签2任务大小, true},
        {kId标签3下载进度, "Static", "下载进度", kBox标签3下载进度, true},
        {kId标签4下载速度, "Static", "下载速度", kBox标签4下载速度, true},
        {kId标签5相关操作, "Static", "相关操作", kBox标签5相关操作, true},
        {kId标签10反馈事件, "Static", "反馈", kBox标签10反馈事件, false},
        {kId编辑框1交互信息, "Edit", nullptr, kBox编辑框1交互信息, true},
        // The task row made from the template, at the template's place; its
        // separator two pixels below the name label.
        {RowControlId(1, kRowName), "Static", nullptr, {2, 21, 188, 16}, true},
        {RowControlId(1, kRowSize), "Static", nullptr, {191, 21, 78, 16}, true},
        {RowControlId(1, kRowProgress), "msctls_progress32", nullptr, {270, 21, 124, 16}, false},
        {RowControlId(1, kRowSpeed), "Static", "", {399, 21, 61, 16}, true},
        {RowControlId(1, kRowOperation), "Static", nullptr, {461, 21, 53, 16}, true},
        {RowControlId(1, kRowSeparator), "Static", nullptr, {1, 39, 513, 1}, true},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        HWND control = Control(c.id);
        ASSERT_NE(control, nullptr);
        if (*c.className) {
            EXPECT_STRCASEEQ(ClassOf(control).c_str(), c.className);
        }
        if (c.text) {
            EXPECT_EQ(WindowText(control), c.text);
        }
        RECT rect = WindowRectOf(control);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.box.left);
        EXPECT_EQ(rect.top, c.box.top);
        EXPECT_EQ(rect.right - rect.left, c.box.width);
        EXPECT_EQ(rect.bottom - rect.top, c.box.height);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
    }
    EXPECT_EQ(SendMessageA(Control(RowControlId(1, kRowProgress)), PBM_GETRANGE, FALSE, 0), 100);
    HWND log = Control(kId编辑框1交互信息);
    const LONG style = GetWindowLongA(log, GWL_STYLE);
    for (LONG bit : {LONG(ES_MULTILINE), LONG(WS_VSCROLL)}) EXPECT_TRUE(style & bit);
    EXPECT_FALSE(style & ES_READONLY);
    EXPECT_EQ(GetDlgItem(window_, RowControlId(2, kRowName)), nullptr);  // one row only
}

TEST_F(UpdaterWindowTest, EscClosesLikeTheCloseButton) {
    // The log is not empty and holds no end: the close asks first.
    ASSERT_TRUE(WaitUntil([&] { return LogText().find("下载上传开始") != std::string::npos; }));
    ASSERT_TRUE(BringToFront(window_));
    PressKey(VK_ESCAPE);
    HWND box = WaitForMessageBox(updater_->Id(), "提示信息");
    ASSERT_NE(box, nullptr) << "Esc did not close";
    EXPECT_EQ(BoxText(box), "请等待下载完成...");
    SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    WaitForExitCodeZero(10000);
    EXPECT_FALSE(WaitForRestart(500)) << "a stopped transfer must not install";
}

TEST(UpdaterVersionTest, CarriesItsVersionResource) {
    const std::string path = DistPath(kUpdaterExe);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    const struct {
        const char* name;
        const char* value;
    } values[] = {
        {"FileVersion", "1.0.0.0"},
        {"ProductVersion", "1.0.0.0"},
        {"FileDescription", "软件升级程序"},
        {"ProductName", "换版组件"},
    };
    for (const auto& v : values) {
        char* text = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\080404b0\\") + v.name;
        ASSERT_TRUE(VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)) << v.name;
        EXPECT_STREQ(text, v.value);
    }
}

}  // namespace
}  // namespace e2e
