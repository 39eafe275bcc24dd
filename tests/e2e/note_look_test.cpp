// What the user sees: the note's white pixels let the desktop through and
// only the red text stands on it.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/note_program.h"

namespace e2e {
namespace {

using NoteLookTest = NoteProgramTest;

TEST_F(NoteLookTest, DesktopShowsThroughAllButTheRedText) {
    HWND note = ShowNote(false);
    ASSERT_NE(note, nullptr);

    std::vector<COLORREF> pixels;
    int red = 0, white = 0;
    ASSERT_TRUE(WaitUntil([&] {
        pixels = CapturePixels(kNoteRect);
        red = static_cast<int>(std::count(pixels.begin(), pixels.end(), RGB(255, 0, 0)));
        return red > 300;
    }, 5000)) << "red pixels: " << red;
    white = static_cast<int>(std::count(pixels.begin(), pixels.end(), RGB(255, 255, 255)));

    // The same area without the note: what the desktop shows there.
    ShowWindow(note, SW_HIDE);
    std::vector<COLORREF> desktop;
    ASSERT_TRUE(WaitUntil([&] {
        desktop = CapturePixels(kNoteRect);
        return std::count(desktop.begin(), desktop.end(), RGB(255, 0, 0)) < red / 10;
    }, 5000));
    ShowWindow(note, SW_SHOWNA);

    int throughDesktop = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == desktop[i] && pixels[i] != RGB(255, 0, 0)) ++throughDesktop;
    EXPECT_GT(throughDesktop, static_cast<int>(pixels.size()) * 2 / 3) << "of " << pixels.size();
    EXPECT_EQ(white, static_cast<int>(std::count(desktop.begin(), desktop.end(), RGB(255, 255, 255))))
        << "white pixels of the note were drawn";

    // The text starts at the top and is centred across the label.
    int top = 86, left = 635, right = 0;
    for (int y = 0; y < 86; ++y)
        for (int x = 0; x < 635; ++x)
            if (pixels[static_cast<size_t>(y) * 635 + x] == RGB(255, 0, 0)) {
                top = std::min(top, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_LT(top, 20);
    EXPECT_NEAR((left + right) / 2, 320, 20);
}

}  // namespace
}  // namespace e2e
