// A fixture for the note on the desktop and the mouse lock: 屏笺.exe started
// as in MainProgramTest, with the steps of pressing "屏笺", answering the
// question and following the self-closing notices.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "support/driver.h"
#include "support/lock_probe.h"
#include "support/main_program.h"

namespace e2e {

inline constexpr char kNoteClass[] = "PingjianNoteWindow";
inline constexpr char kQuestionCaption[] = "提示信息";
inline constexpr RECT kNoteRect = {960, 540, 1595, 626};   // on 1920 x 1080
inline constexpr RECT kMainRect = {797, 417, 1122, 663};

class NoteProgramTest : public MainProgramTest {
protected:
    void TearDown() override {
        probe_.reset();
        MainProgramTest::TearDown();
    }

    // A probe inside the note's rectangle, where a confined cursor can reach.
    // Make it once the program's windows are up: Wine activates it when a box
    // of the program closes, which would drop the program's clip.
    InputProbe& Probe() {
        if (!probe_) probe_ = std::make_unique<InputProbe>(RECT{1000, 560, 1100, 610});
        return *probe_;
    }

    HWND NoteWindow() const { return FindTopWindow(program_->Id(), "", kNoteClass); }

    // Clicks "屏笺" and waits for the question; nullptr if it does not come.
    HWND PressNoteButton() {
        const POINT at = CentreOf(Control(kNoteButton));
        Click(at.x, at.y);
        return WaitForMessageBox(program_->Id(), kQuestionCaption);
    }

    // "屏笺", then Yes or No; returns the note window.
    HWND ShowNote(bool lock) {
        HWND box = PressNoteButton();
        if (!box) {
            ADD_FAILURE() << "the question did not come";
            return nullptr;
        }
        EXPECT_EQ(BoxText(box), "是否锁定鼠标？");
        SendMessageA(GetDlgItem(box, lock ? IDYES : IDNO), BM_CLICK, 0, 0);
        WaitUntil([&] { return !IsWindow(box); }, 5000);
        return WaitForTopWindow(program_->Id(), "", kNoteClass, 5000);
    }

    // Waits for the notice with that caption, checks its text and waits until
    // it has closed by itself; false when it does not come or stays.
    bool FollowNotice(const std::string& caption, const std::string& text, DWORD* openMs = nullptr) {
        HWND box = WaitForMessageBox(program_->Id(), caption, 5000);
        if (!box) {
            ADD_FAILURE() << "no notice " << caption;
            return false;
        }
        const ULONGLONG shown = GetTickCount64();
        EXPECT_EQ(BoxText(box), text);
        const bool closed = WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 8000);
        if (openMs) *openMs = static_cast<DWORD>(GetTickCount64() - shown);
        return closed;
    }

    // Hot keys go through SendInput like the user's keys; the probe pumps
    // meanwhile so the driver's own window stays responsive.
    void PressHotKey(WORD key) { PressAlt(key); }

    bool WaitForClip(const RECT& expected, DWORD milliseconds = 5000) {
        return WaitUntil([&] { return SameRect(CurrentClip(), expected); }, milliseconds);
    }

    std::unique_ptr<InputProbe> probe_;
};

// Prints a rectangle in a failure message.
inline std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace e2e
