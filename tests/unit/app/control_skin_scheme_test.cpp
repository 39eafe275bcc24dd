// The flat look's colours and its choice of controls.
#include <gtest/gtest.h>

#include "app/control_skin_scheme.h"

namespace app::skin {
namespace {

TEST(SkinSchemeTest, FrameColoursOfTheThreeSchemes) {
    EXPECT_EQ(SchemeFor(1)->frame, Rgb(123, 158, 189));
    EXPECT_EQ(SchemeFor(2)->frame, Rgb(164, 185, 127));
    EXPECT_EQ(SchemeFor(3)->frame, Rgb(198, 197, 215));
    for (int other : {0, 4, -1, 100}) EXPECT_FALSE(SchemeFor(other).has_value()) << other;
}

TEST(SkinSchemeTest, StatesLookDifferentAndDisabledWins) {
    for (int number : {1, 2, 3}) {
        const Scheme scheme = *SchemeFor(number);
        const Gradient normal = FaceOf(scheme, {});
        const Gradient hot = FaceOf(scheme, {false, true, false});
        const Gradient pressed = FaceOf(scheme, {true, true, false});
        const Gradient disabled = FaceOf(scheme, {true, true, true});
        EXPECT_NE(normal.bottom, hot.bottom);
        EXPECT_NE(normal.top, pressed.top);
        EXPECT_NE(hot.top, pressed.top);
        EXPECT_EQ(disabled.top, scheme.disabled.top);
        EXPECT_NE(normal.top, normal.bottom) << "faces are gradients";
        EXPECT_NE(scheme.frame, scheme.disabledFrame);
        EXPECT_NE(scheme.mark, scheme.frame);
    }
}

TEST(SkinSchemeTest, BlendAndGradientEnds) {
    const Colour a = Rgb(0, 100, 255), b = Rgb(255, 0, 55);
    EXPECT_EQ(Blend(a, b, 0, 10), a);
    EXPECT_EQ(Blend(a, b, 10, 10), b);
    EXPECT_EQ(Blend(a, b, 1, 2), Rgb(128, 50, 155));
    EXPECT_EQ(GradientAt(a, b, 0, 20), a);
    EXPECT_EQ(GradientAt(a, b, 19, 20), b);
    EXPECT_EQ(GradientAt(a, b, 0, 1), a);
    EXPECT_EQ(GradientAt(a, b, 50, 20), b);  // rows past the end stay at the end
    EXPECT_EQ(Blend(a, b, 3, 0), a);
}

TEST(SkinSchemeTest, WhichControlsAreDrawn) {
    struct Case {
        const char* className;
        std::uint32_t style;
        Kind kind;
    } cases[] = {
        {"Button", 0x0, Kind::PushButton},          {"BUTTON", 0x1, Kind::PushButton},
        {"button", 0x2, Kind::CheckBox},            {"Button", 0x3, Kind::CheckBox},
        {"Button", 0x5, Kind::CheckBox},            {"Button", 0x6, Kind::CheckBox},
        {"Button", 0x4, Kind::RadioButton},         {"Button", 0x9, Kind::RadioButton},
        {"Button", 0x7, Kind::GroupBox},            {"Button", 0x1003, Kind::PushButton},  // push-like
        {"Button", 0x1009, Kind::PushButton},       {"Button", 0xB, Kind::None},           // owner-drawn
        {"Button", 0x8, Kind::None},                {"Button", 0xC, Kind::None},           // split
        {"Button", 0xE, Kind::None},                {"Button", 0x80, Kind::None},          // bitmap
        {"Button", 0x43, Kind::None},               {"Edit", 0x50010004, Kind::Edit},
        {"EDIT", 0, Kind::Edit},                    {"ComboBox", 0x3, Kind::ComboBox},
        {"ComboLBox", 0, Kind::ComboList},          {"msctls_updown32", 0, Kind::UpDown},
        {"Static", 0, Kind::None},                  {"#32770", 0, Kind::None},
        {"ScrollBar", 0, Kind::None},               {"ListBox", 0, Kind::None},
        {"Buttons", 0, Kind::None},                 {"", 0, Kind::None},
    };
    for (const Case& c : cases) EXPECT_EQ(Classify(c.className, c.style), c.kind) << c.className << " " << c.style;
}

}  // namespace
}  // namespace app::skin
