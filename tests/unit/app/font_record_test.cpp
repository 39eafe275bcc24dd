#include "app/font_record.h"

#include <gtest/gtest.h>

#include <string>

#include "app/mul_div.h"

namespace app {
namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroAndRejectsZeroDivisor) {
    EXPECT_EQ(MulDiv(56, 72, 96), 42);
    EXPECT_EQ(MulDiv(56, 72, 120), 34);   // 33.6
    EXPECT_EQ(MulDiv(34, 120, 72), 57);   // 56.67
    EXPECT_EQ(MulDiv(1, 1, 2), 1);        // 0.5 rounds up
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);      // -0.5 rounds down
    EXPECT_EQ(MulDiv(3, 4, -2), -6);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(2147483647, 2, 1), -1);
}

TEST(FontRecord, SizeReadsAndWritesThroughDpi) {
    struct Case {
        int height, dpi, points, writtenBack;
    } cases[] = {
        {-56, 96, 42, -56},   // 96 dpi: the editor's font survives a copy
        {-56, 120, 34, -57},  // 120 dpi: 56 pixels read as 34 points, written as 57
        {56, 96, 42, -56},    // a positive height reads by its magnitude
        {0, 96, 0, 0},
        {-27, 96, 20, -27},
    };
    for (const Case& c : cases) {
        FontRecord font;
        font.height = c.height;
        const int points = ReadSize(font, c.dpi);
        EXPECT_EQ(points, c.points) << c.height << " at " << c.dpi;
        FontRecord copy;
        WriteSize(copy, points, c.dpi);
        EXPECT_EQ(copy.height, c.writtenBack) << c.height << " at " << c.dpi;
    }
}

TEST(FontRecord, NegativeSizeWritesAsZero) {
    FontRecord font;
    font.height = -40;
    WriteSize(font, -5, 96);
    EXPECT_EQ(font.height, 0);
}

TEST(FontRecord, FaceNameRule) {
    const std::string thirtyOne(31, 'a');
    const std::string thirtyTwo(32, 'b');
    struct Case {
        std::string written, read;
    } cases[] = {
        {"", "宋体"},
        {"Arial", "Arial"},
        {"微软雅黑", "微软雅黑"},
        {thirtyOne, thirtyOne},
        {thirtyTwo, "宋体"},
    };
    for (const Case& c : cases) {
        FontRecord font;
        std::fill(std::begin(font.faceName), std::end(font.faceName), 'x');
        WriteFaceName(font, c.written);
        EXPECT_EQ(ReadFaceName(font), c.read) << c.written;
    }
}

TEST(FontRecord, StyleFieldsReadAndWrite) {
    FontRecord font;
    font.weight = 699;
    EXPECT_FALSE(ReadBold(font));
    font.weight = 800;
    EXPECT_TRUE(ReadBold(font));
    WriteBold(font, false);
    EXPECT_EQ(font.weight, 0);
    WriteBold(font, true);
    EXPECT_EQ(font.weight, 700);

    font.italic = 5;
    EXPECT_TRUE(ReadItalic(font));
    WriteItalic(font, true);
    EXPECT_EQ(font.italic, 1);
    WriteUnderline(font, true);
    WriteStrikeOut(font, true);
    EXPECT_TRUE(ReadUnderline(font));
    EXPECT_TRUE(ReadStrikeOut(font));
    WriteUnderline(font, false);
    WriteStrikeOut(font, false);
    EXPECT_EQ(font.underline, 0);
    EXPECT_EQ(font.strikeOut, 0);
}

TEST(FontRecord, InitialEditorFontAndDrawingCopy) {
    const FontRecord font = InitialEditorFont();
    EXPECT_EQ(font.height, -56);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.charSet, 134);
    EXPECT_EQ(ReadFaceName(font), "");

    FontRecord odd = font;
    odd.outPrecision = 3;
    odd.clipPrecision = 4;
    odd.quality = 5;
    odd.pitchAndFamily = 6;
    const FontRecord drawn = DrawingCopy(odd);
    EXPECT_EQ(drawn.charSet, 1);
    EXPECT_EQ(drawn.outPrecision, 0);
    EXPECT_EQ(drawn.clipPrecision, 0);
    EXPECT_EQ(drawn.quality, 2);
    EXPECT_EQ(drawn.pitchAndFamily, 0);
    EXPECT_EQ(drawn.height, -56);
}

}  // namespace
}  // namespace app
