// The size text of very large sizes, written without printf: beyond
// thirteen significant digits it must read exactly as printf's "%.13g" of
// the kilobytes, which the C library here computes exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>

#include "updater/transfer_texts.h"

namespace updater {
namespace {

std::string PrintfSizeText(std::int64_t bytes) {
    // Hundredths rounded half away from zero, as the size text rounds them.
    const std::int64_t hundredths = bytes / 10 + (bytes % 10 >= 5 ? 1 : 0);
    char text[64];
    std::snprintf(text, sizeof text, "%.13g", static_cast<double>(hundredths) / 100);
    return std::string(text) + "K";
}

TEST(TransferTextsDigitsTest, LargeSizesKnownTexts) {
    struct Case {
        std::int64_t bytes;
        const char* text;
    } cases[] = {
        {99999999999995LL, "100000000000K"},          // the first size past 13 digits
        {1234567890123500LL, "1234567890124K"},       // a tie goes to the even digit...
        {1234567890122500LL, "1234567890122K"},       // ...in both directions
        {9999999999999600LL, "1e+13K"},               // the carry adds a digit
        {123456789012345678LL, "1.234567890123e+14K"},
        {std::numeric_limits<std::int64_t>::max(), "9.223372036855e+15K"},  // no overflow
    };
    for (const Case& c : cases) EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes;
}

TEST(TransferTextsDigitsTest, LargeSizesReadAsPrintf) {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < 200000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        // From 10^14 bytes up, over every magnitude to the top of the range.
        const int magnitude = 14 + static_cast<int>((state >> 59) % 5);
        std::int64_t low = 1;
        for (int m = 0; m < magnitude; ++m) low *= 10;
        const std::int64_t bytes = low + static_cast<std::int64_t>((state >> 1) % static_cast<std::uint64_t>(low));
        ASSERT_EQ(SizeText(bytes), PrintfSizeText(bytes)) << bytes;
    }
}

TEST(TransferTextsDigitsTest, NegativeAndRangeEnds) {
    EXPECT_EQ(SizeText(-1234567), "-1234.57K");
    EXPECT_EQ(SizeText(-1234567890123500LL), "-1234567890124K");
    EXPECT_EQ(SpeedText(-12300), "-12.30KB/s");
    EXPECT_EQ(SpeedText(std::numeric_limits<std::int64_t>::max()), "9223372036854775.81KB/s");
}

}  // namespace
}  // namespace updater
