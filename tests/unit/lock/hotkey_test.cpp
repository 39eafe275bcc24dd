#include <gtest/gtest.h>

#include "lock/hotkey_identifiers.h"
#include "lock/hotkey_modifiers.h"

namespace lock {
namespace {

TEST(HotkeyModifiers, ServiceBitsBecomeSystemFlags) {
    struct Case {
        int modifiers;
        unsigned expected;
    } cases[] = {
        {1, kModControl},
        {2, kModShift},
        {3, kModControl | kModShift},
        {4, kModAlt},
        {5, kModControl | kModAlt},
        {6, kModShift | kModAlt},
        {0, 0},    // anything else is passed on unchanged
        {7, 7},
        {8, 8},    // MOD_WIN
        {12, 12},
    };
    for (const Case& c : cases) EXPECT_EQ(SystemModifiers(c.modifiers), c.expected) << c.modifiers;
    // The conversion is not the identity: Ctrl and Alt swap places.
    EXPECT_EQ(kModAlt, 1u);
    EXPECT_EQ(kModControl, 2u);
    EXPECT_EQ(kModShift, 4u);
}

TEST(HotkeyIdentifiers, EveryAttemptUsesUpItsNumber) {
    // Which of Alt+Q, Alt+W, Alt+S the system accepts, and what is stored.
    struct Case {
        bool accepted[3];
        int stored[3];
    } cases[] = {
        {{true, true, true}, {33001, 33002, 33003}},
        {{true, false, true}, {33001, 0, 33003}},  // a refusal in the middle
        {{false, true, true}, {0, 33002, 33003}},  // another program holds Alt+Q
        {{false, false, false}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        HotkeyIdentifiers identifiers;
        for (int i = 0; i < 3; ++i) {
            const int identifier = identifiers.Next();
            EXPECT_EQ(c.accepted[i] ? identifier : 0, c.stored[i]) << i;
        }
        EXPECT_EQ(identifiers.Last(), 33003);
    }
}

TEST(HotkeyIdentifiers, OnlyIdentifiersHandedOutAreReported) {
    HotkeyIdentifiers identifiers;
    EXPECT_FALSE(identifiers.Issued(33001));  // nothing handed out yet
    EXPECT_FALSE(identifiers.Issued(0));
    for (int i = 0; i < 3; ++i) identifiers.Next();
    struct Case {
        unsigned long long reported;
        bool issued;
    } cases[] = {{0, false}, {1, false}, {33000, false}, {33001, true}, {33002, true}, {33003, true},
                 {33004, false}, {0x100000000ULL + 33001, false}};
    for (const Case& c : cases) EXPECT_EQ(identifiers.Issued(c.reported), c.issued) << c.reported;
}

TEST(HotkeyIdentifiers, AStoredZeroMatchesNothing) {
    EXPECT_TRUE(IsHotkey(33002, 33002));
    EXPECT_FALSE(IsHotkey(33001, 33002));
    EXPECT_FALSE(IsHotkey(0, 0));  // a refused key stays silent even for a report of 0
    EXPECT_FALSE(IsHotkey(33001, 0));
}

}  // namespace
}  // namespace lock
