// The manifest fetch's read size and the path it requests.
#include <gtest/gtest.h>

#include <optional>

#include "update/http_read_size.h"

namespace update {
namespace {

TEST(HttpReadSize, FollowsTheAdvertisedLengthWithinItsBounds) {
    struct Case {
        std::optional<std::string_view> contentLength;
        std::size_t readSize;
    } cases[] = {
        {std::nullopt, 10240},
        {"", 10240},
        {"abc", 10240},
        {"0", 10240},
        {"-5", 10240},
        {"1", 2},
        {"300", 301},
        {" 300", 301},
        {"300x", 301},
        {"102399", 102400},
        {"102400", 102400},
        {"999999999999999999999999", 102400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSizeFor(c.contentLength), c.readSize) << (c.contentLength ? *c.contentLength : "(none)");
}

TEST(HttpReadSize, FragmentIsDropped) {
    EXPECT_EQ(WithoutFragment("/屏笺.xml"), "/屏笺.xml");
    EXPECT_EQ(WithoutFragment("/屏笺.xml?a=1#top#2"), "/屏笺.xml?a=1");
    EXPECT_EQ(WithoutFragment("#"), "");
}

}  // namespace
}  // namespace update
