// A fixture that starts the real 屏笺.exe and waits for MainWindow.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "support/driver.h"

namespace e2e {

inline constexpr char kMainTitle[] = "鼠标右键有帮助";
inline constexpr char kMainExe[] = "屏笺.exe";

// Identifiers of MainWindow's controls, as the program gives them.
enum MainControl : int {
    kLabel = 101,
    kFontButton = 102,
    kNoteButton = 103,
    kEditor = 104,
};

class MainProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        KillStrayProcesses({kMainExe, "update.exe"});
        program_ = std::make_unique<Program>(DistPath(kMainExe));
        ASSERT_TRUE(program_->Started());
        main_ = WaitForTopWindow(program_->Id(), kMainTitle);
        ASSERT_NE(main_, nullptr) << "MainWindow did not appear";
    }
    void TearDown() override {
        program_.reset();
        ClipCursor(nullptr);
    }

    HWND Control(int id) const { return GetDlgItem(main_, id); }
    POINT CentreOf(HWND window) const {
        const RECT r = WindowRectOf(window);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

}  // namespace e2e
