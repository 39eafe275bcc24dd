#include <gtest/gtest.h>

#include <limits>

#include "lock/clip_rectangle.h"

namespace lock {
namespace {

TEST(ClipRectangle, EdgesFromPositionAndSizeOrTheScreensMargins) {
    struct Case {
        int left, top, width, height, screenWidth, screenHeight;
        ClipRectangle expected;
    } cases[] = {
        {100, 50, 300, 200, 1920, 1080, {100, 50, 400, 250}},
        {100, 50, 0, 0, 1920, 1080, {100, 50, 1820, 1030}},     // the same margin right and below
        {100, 50, 300, 0, 1920, 1080, {100, 50, 400, 1030}},    // only the height omitted
        {100, 50, 0, 200, 1920, 1080, {100, 50, 1820, 250}},    // only the width omitted
        {960, 540, 635, 86, 1920, 1080, {960, 540, 1595, 626}},  // the note's rectangle
        {797, 417, 325, 246, 1920, 1080, {797, 417, 1122, 663}},
        {-10, -20, 50, 60, 1920, 1080, {-10, -20, 40, 40}},
        {1000, 700, 0, 0, 1366, 768, {1000, 700, 366, 68}},  // right of the middle: edges cross
        {0, 0, -5, -5, 1920, 1080, {0, 0, -5, -5}},           // negative sizes are taken as they come
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClipRectangleFor(c.left, c.top, c.width, c.height, c.screenWidth, c.screenHeight), c.expected)
            << c.left << "," << c.top << " " << c.width << "x" << c.height;
    }
}

TEST(ClipRectangle, HugeArgumentsDoNotOverflow) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(ClipRectangleFor(kMax - 1, 0, 10, 10, 1920, 1080), (ClipRectangle{kMax - 1, 0, kMax, 10}));
    EXPECT_EQ(ClipRectangleFor(kMin, kMin, 0, 0, 1920, 1080), (ClipRectangle{kMin, kMin, kMax, kMax}));
}

}  // namespace
}  // namespace lock
