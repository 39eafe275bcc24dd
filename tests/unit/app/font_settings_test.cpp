// The font dialog's settings: the record it starts from and the choice it
// takes back.
#include <gtest/gtest.h>

#include <cstring>

#include "app/font_settings.h"

namespace app {
namespace {

TEST(FontSettingsTest, InitialSettingsGiveAnEmptyRecord) {
    const FontSettings initial;
    EXPECT_EQ(initial.colour, 0x0000FFu);
    const FontRecord record = DialogStartRecord(initial, 96);
    EXPECT_EQ(record, FontRecord{});  // size 0 leaves lfHeight 0, all else zero
}

TEST(FontSettingsTest, SettingsBecomeTheStartRecord) {
    struct Case {
        int size;
        int dpi;
        int height;
    } cases[] = {{20, 96, -27}, {9, 96, -12}, {20, 120, -33}, {72, 96, -96}, {0, 120, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        FontSettings settings;
        settings.size = c.size;
        settings.bold = true;
        settings.underline = true;
        settings.faceName = "宋体";
        const FontRecord record = DialogStartRecord(settings, c.dpi);
        EXPECT_EQ(record.height, c.height);
        EXPECT_EQ(record.weight, 700);
        EXPECT_EQ(record.underline, 1);
        EXPECT_EQ(record.italic, 0);
        EXPECT_EQ(record.strikeOut, 0);
        EXPECT_EQ(record.charSet, 0);
        EXPECT_EQ(ReadFaceName(record), "宋体");
    }
    FontSettings styles;
    styles.italic = styles.strikeOut = true;
    const FontRecord record = DialogStartRecord(styles, 96);
    EXPECT_EQ(record.weight, 0);
    EXPECT_EQ(record.italic, 1);
    EXPECT_EQ(record.strikeOut, 1);
}

TEST(FontSettingsTest, LongFaceNameIsCutWithoutSplittingACharacter) {
    FontSettings settings;
    settings.faceName = std::string(30, 'a') + "宋体";  // 34 bytes; a character would straddle byte 31
    const FontRecord record = DialogStartRecord(settings, 96);
    EXPECT_EQ(ReadFaceName(record), std::string(30, 'a'));
    settings.faceName = std::string(40, 'b');
    EXPECT_EQ(ReadFaceName(DialogStartRecord(settings, 96)), std::string(31, 'b'));
}

TEST(FontSettingsTest, ConfirmedChoiceIsTakenBack) {
    FontRecord chosen;
    chosen.height = -27;
    chosen.weight = 700;
    chosen.underline = 1;
    std::strcpy(chosen.faceName, "宋体");
    FontSettings settings;
    TakeConfirmedChoice(settings, chosen, 0xFF0000, 96);
    EXPECT_EQ(settings.colour, 0xFF0000u);
    EXPECT_TRUE(settings.bold);
    EXPECT_TRUE(settings.underline);
    EXPECT_FALSE(settings.italic);
    EXPECT_FALSE(settings.strikeOut);
    EXPECT_EQ(settings.faceName, "宋体");
    EXPECT_EQ(settings.size, 20);
    // The next opening starts from exactly this choice.
    const FontRecord again = DialogStartRecord(settings, 96);
    EXPECT_EQ(again.height, -27);
    EXPECT_EQ(again.weight, 700);
    EXPECT_EQ(again.underline, 1);
    EXPECT_STREQ(again.faceName, "宋体");
}

TEST(FontSettingsTest, WeightsAndHeightsReadBackByTheirRules) {
    struct Case {
        int weight;
        int height;
        bool bold;
        int size;
    } cases[] = {{400, 0, false, 0}, {699, -12, false, 9}, {700, 27, true, 20}, {900, -13, true, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weight);
        FontRecord chosen;
        chosen.weight = c.weight;
        chosen.height = c.height;
        chosen.italic = 1;
        chosen.strikeOut = 1;
        FontSettings settings;
        settings.underline = true;
        TakeConfirmedChoice(settings, chosen, 0, 96);
        EXPECT_EQ(settings.bold, c.bold);
        EXPECT_EQ(settings.size, c.size);
        EXPECT_TRUE(settings.italic);
        EXPECT_TRUE(settings.strikeOut);
        EXPECT_FALSE(settings.underline);
        EXPECT_EQ(settings.faceName, "");
    }
}

}  // namespace
}  // namespace app
