// The About box's texts, its tick and PostKeyMessage's messages.
#include <gtest/gtest.h>

#include "about/about_countdown.h"

namespace about {
namespace {

const std::string kQq = kMakerQq;

TEST(AboutTextTest, BoxOpensWithTheAliasAndTheNumber) {
    EXPECT_EQ(AboutText(), "青石客\r\n\r\n QQ：" + kQq);
    EXPECT_GE(kQq.size(), 5u);
    EXPECT_LE(kQq.size(), 11u);
    EXPECT_EQ(kQq.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_NE(kQq[0], '0');
}

TEST(AboutTextTest, CountdownTextFromFiveToZero) {
    for (int count = 5; count >= 0; --count)
        EXPECT_EQ(CountdownText(count), "青石客   (" + std::to_string(count) + ")\r\n\r\n QQ：" + kQq) << count;
}

TEST(AboutTickTest, BoxLeftAloneCountsDownAndIsClosedOnTheSixthTick) {
    int countdown = kCountdownStart;
    for (int expected = 5; expected >= 1; --expected) {
        const AboutTickSteps steps = AboutTick(countdown, true);
        ASSERT_TRUE(steps.text.has_value());
        EXPECT_EQ(*steps.text, CountdownText(expected));
        EXPECT_FALSE(steps.pressEnter);
        EXPECT_FALSE(steps.stopTimer);
        EXPECT_EQ(steps.countdown, expected);
        countdown = steps.countdown;
    }
    const AboutTickSteps last = AboutTick(countdown, true);
    ASSERT_TRUE(last.text.has_value());
    EXPECT_EQ(*last.text, CountdownText(0));
    EXPECT_TRUE(last.pressEnter);
    EXPECT_TRUE(last.stopTimer);
    EXPECT_EQ(last.countdown, kCountdownStart);
}

TEST(AboutTickTest, BoxGoneStopsTheTimerAndResetsTheCount) {
    for (int countdown : {6, 3, 1}) {
        const AboutTickSteps steps = AboutTick(countdown, false);
        EXPECT_FALSE(steps.text.has_value());
        EXPECT_FALSE(steps.pressEnter);
        EXPECT_TRUE(steps.stopTimer);
        EXPECT_EQ(steps.countdown, kCountdownStart) << countdown;
    }
}

TEST(PostKeyMessageTest, MessageForEachTypeAndSystemValue) {
    struct Case {
        int type;
        int system;
        std::optional<unsigned> message;
    } cases[] = {
        {1, 0, 0x0102u}, {1, 1, 0x0102u},  // WM_CHAR either way
        {2, 0, 0x0100u}, {2, 1, 0x0104u},  // key down
        {3, 0, 0x0100u}, {3, 7, 0x0104u},  // the same as 2
        {4, 0, 0x0101u}, {4, 1, 0x0105u},  // key up
        {0, 0, std::nullopt}, {5, 0, std::nullopt}, {-1, 1, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyMessageFor(c.type, c.system), c.message) << c.type << "," << c.system;
    EXPECT_EQ(KeyMessageFor(kCharType, 0), 0x0102u);  // the omitted type
}

}  // namespace
}  // namespace about
