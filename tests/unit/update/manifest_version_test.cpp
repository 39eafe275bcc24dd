// 版本号 read as a number and compared with the own version 3.2.
#include <gtest/gtest.h>

#include <cmath>

#include "update/manifest_version.h"

namespace update {
namespace {

TEST(ManifestVersion, ReadsTheLongestDecimalPrefix) {
    struct Case {
        const char* text;
        double value;
        bool newer;
    } cases[] = {
        {"3.2", 3.2, false},
        {"3.2000001", 3.2000001, false},  // below the threshold
        {"3.2000002", 3.2000002, true},
        {"3.21", 3.21, true},
        {"3.30", 3.3, true},
        {"３．３", 3.3, true},             // full-width digits and point
        {"　３．３", 3.3, true},            // ideographic space skipped like a blank
        {"V3.3", 0, false},
        {" 3.3e0", 3.3, true},
        {"\t\r\n+3.3", 3.3, true},
        {"3.3e", 3.3, true},               // an exponent without digits is not taken
        {"3.3.4", 3.3, true},
        {"4abc", 4, true},
        {".5", 0.5, false},
        {"5.", 5, true},
        {".", 0, false},
        {"-", 0, false},
        {"", 0, false},
        {"-1", -1, false},
        {"3", 3, false},
        {"0x10", 0, false},                // no hexadecimal
        {"inf", 0, false},
        {"nan", 0, false},
        {"1e400", HUGE_VAL, true},         // too large: infinite, and newer
        {"-1e400", -HUGE_VAL, false},
        {"1e-400", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const double value = ReadVersionNumber(c.text);
        if (std::isinf(c.value))
            EXPECT_EQ(value, c.value);
        else
            EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_EQ(IsNewerVersion(value), c.newer);
    }
    EXPECT_FALSE(IsNewerVersion(std::nan("")));
    EXPECT_FALSE(IsNewerVersion(OwnVersion));
}

TEST(ManifestVersion, NormalisesFullWidthFormsCharacterByCharacter) {
    struct Case {
        const char* text;
        const char* normal;
    } cases[] = {
        {"３．３", "3.3"},
        {"ＡＺａｚ！\xA3\xFE", "AZaz!~"},
        {"　", " "},
        {"版本３", "版本3"},
        {"\xB0\xA3\xA3\xB3", "\xB0\xA3" "3"},  // the first character's second byte is no lead byte
        {"\xA3\xA0", "\xA3\xA0"},              // outside the full-width range
        {"\xA3\xFF", "\xA3\xFF"},
        {"3\xA3", "3\xA3"},                    // a lead byte at the end stays
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseFullWidth(c.text), c.normal) << c.text;
}

}  // namespace
}  // namespace update
