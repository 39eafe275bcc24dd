#include <gtest/gtest.h>

#include "app/ansi_path.h"
#include "app/window_placement.h"

namespace app {
namespace {

TEST(CentredOrigin, MainWindowOnSeveralScreens) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    } cases[] = {
        {1920, 1080, 797, 417},
        {1366, 768, 520, 261},
        {800, 600, 237, 177},
        {1024, 768, 349, 261},
        {300, 200, -12, -23},  // smaller than the window: halves round toward zero
    };
    for (const Case& c : cases) {
        const Point origin = CentredOrigin(c.screenWidth, c.screenHeight, 325, 246);
        EXPECT_EQ(origin.x, c.left) << c.screenWidth;
        EXPECT_EQ(origin.y, c.top) << c.screenHeight;
    }
}

TEST(AnsiPath, LastBackslashSkipsSecondBytesOfDoubleByteCharacters) {
    // 0xB1 0x5C is one double-byte character whose second byte looks like '\'.
    const std::string tricky = "C:\\a\xB1\x5C" "b";
    EXPECT_EQ(DirectoryOf(tricky), "C:");
    EXPECT_EQ(DirectoryOf("C:\\Tools\\屏笺.exe"), "C:\\Tools");
    EXPECT_EQ(DirectoryOf("屏笺.exe"), "");
    EXPECT_EQ(DirectoryOf("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(DirectoryOf("C:\\Tools\\升级文件\\update.exe"), "C:\\Tools\\升级文件");
}

TEST(AnsiPath, EndsWithBackslashOnlyWhenItIsACharacterOfItsOwn) {
    // 0x95 0x5C is one character.
    const std::string trailBackslash = "\x95\x5c";
    EXPECT_TRUE(EndsWithBackslash("C:\\a\\"));
    EXPECT_FALSE(EndsWithBackslash("C:\\a"));
    EXPECT_FALSE(EndsWithBackslash(""));
    EXPECT_FALSE(EndsWithBackslash("C:\\" + trailBackslash));
    EXPECT_TRUE(EndsWithBackslash("C:\\" + trailBackslash + "\\"));
    EXPECT_EQ(DirectoryOf("C:\\" + trailBackslash + "x"), "C:");
}

}  // namespace
}  // namespace app
