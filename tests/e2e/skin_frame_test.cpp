// The flat look on the screen: MainWindow's buttons and note editor, and the
// buttons of a message box the program opens, carry the blue frame.
#include <gtest/gtest.h>

#include <vector>

#include "support/driver.h"
#include "support/main_program.h"

namespace e2e {
namespace {

constexpr COLORREF kBlueFrame = RGB(123, 158, 189);

// The middle pixel of each of the four outer edges of a window.
std::vector<COLORREF> EdgeMiddles(HWND window) {
    const RECT r = WindowRectOf(window);
    const std::vector<COLORREF> pixels = CapturePixels(r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (pixels.size() != static_cast<std::size_t>(w * h)) return {};
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * w + x)]; };
    return {at(0, h / 2), at(w - 1, h / 2), at(w / 2, 0), at(w / 2, h - 1)};
}

bool FramedIn(HWND window, COLORREF colour) {
    const std::vector<COLORREF> edges = EdgeMiddles(window);
    return !edges.empty() && std::all_of(edges.begin(), edges.end(), [&](COLORREF c) { return c == colour; });
}

using SkinFrameTest = MainProgramTest;

TEST_F(SkinFrameTest, ButtonsAndNoteEditorCarryTheBlueFrame) {
    for (int id : {kFontButton, kNoteButton, kEditor}) {
        EXPECT_TRUE(WaitUntil([&] { return FramedIn(Control(id), kBlueFrame); }, 5000)) << "control " << id;
    }
    // Faces are gradients: the top and bottom rows inside the frame differ.
    const RECT r = WindowRectOf(Control(kFontButton));
    const std::vector<COLORREF> pixels = CapturePixels(r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_NE(pixels[static_cast<std::size_t>(1 * w + 4)], pixels[static_cast<std::size_t>((h - 2) * w + 4)]);
}

TEST_F(SkinFrameTest, MessageBoxButtonsAreSkinnedAndStillClickable) {
    const POINT at = CentreOf(Control(kEditor));
    Click(at.x, at.y, true);
    ASSERT_TRUE(WaitUntil([] { return !VisibleMenus().empty(); }, 5000));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);  // 帮助信息
    PressKey(VK_RETURN);
    HWND box = WaitForMessageBox(program_->Id(), "帮助信息");
    ASSERT_NE(box, nullptr);
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return FramedIn(ok, kBlueFrame); }, 5000));
    SendMessageA(ok, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

}  // namespace
}  // namespace e2e
