#include <gtest/gtest.h>

#include "app/window_placement.h"
#include "note/note_geometry.h"

namespace note {
namespace {

TEST(NoteGeometry, TopLeftCornerAtTheScreenCentre) {
    struct Case {
        int screenWidth, screenHeight;
        int left, top, right, bottom;
    } cases[] = {
        {1920, 1080, 960, 540, 1595, 626},
        {1366, 768, 683, 384, 1318, 470},
        {1025, 767, 512, 383, 1147, 469},  // odd sizes: halves truncated
        {800, 600, 400, 300, 1035, 386},
    };
    for (const Case& c : cases) {
        const Origin origin = NoteOrigin(c.screenWidth, c.screenHeight);
        EXPECT_EQ(origin.x, c.left) << c.screenWidth;
        EXPECT_EQ(origin.y, c.top) << c.screenHeight;
        EXPECT_EQ(origin.x + kNoteWidth, c.right) << c.screenWidth;
        EXPECT_EQ(origin.y + kNoteHeight, c.bottom) << c.screenHeight;
    }
}

TEST(NoteGeometry, CentredBeforeTheCreationHandlerMovesIt) {
    const app::Point before = app::CentredOrigin(1920, 1080, kNoteWidth, kNoteHeight);
    EXPECT_EQ(before.x, 642);
    EXPECT_EQ(before.y, 497);
}

TEST(NoteGeometry, LabelCoversTheWindow) {
    EXPECT_EQ(kLabelWidth - kNoteWidth, 5);
    EXPECT_EQ(kLabelHeight - kNoteHeight, 2);
}

TEST(MoveTarget, OmittedValuesKeepTheCurrentOnes) {
    // The window stands at 642, 497, 1277, 583 (635 x 86).
    struct Case {
        std::optional<int> x, y, width, height;
        Bounds expected;
    } cases[] = {
        {960, 540, {}, {}, {960, 540, 635, 86}},
        {{}, {}, {}, {}, {642, 497, 635, 86}},
        {{}, 10, {}, 20, {642, 10, 635, 20}},
        {0, 0, 0, 0, {0, 0, 0, 0}},  // 0 is given, not omitted
        {-5, {}, 100, {}, {-5, 497, 100, 86}},
    };
    for (const Case& c : cases) EXPECT_EQ(MoveTarget(642, 497, 1277, 583, c.x, c.y, c.width, c.height), c.expected);
}

}  // namespace
}  // namespace note
