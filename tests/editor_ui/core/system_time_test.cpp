// Tests of the system-time panel's rules: the typed cyclic time and the cyclic-handler controls' states.
#include "system_time.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using systime::CyclicTimeText;

CyclicTimeText Check(const std::string& text, int& value) { return systime::CheckCyclicTimeText(text, value); }

TEST(CyclicTimeCheck, EmptyAndBlankTextsAreEmpty)
{
    for (const char* text : {"", " ", "\t \r\n"}) {
        int value = 7;
        EXPECT_EQ(Check(text, value), CyclicTimeText::kEmpty) << '"' << text << '"';
        EXPECT_EQ(value, 7);
    }
}

TEST(CyclicTimeCheck, PlainDecimalNumbersFromOnePassTrimmed)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"500", 500}, {" 500 ", 500}, {"1", 1}, {"2147483647", INT_MAX}};
    for (const auto& c : cases) {
        int value = 7;
        EXPECT_EQ(Check(c.text, value), CyclicTimeText::kNumber) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(CyclicTimeCheck, OtherTextsAreNoNumber)
{
    for (const char* text : {"0500", "+5", "5x", "x5", "5 0", "-0", "1e3", "0x10", "2147483648", "--1", "５", "0", " 0 ", "-5", "-10"}) {
        int value = 7;
        EXPECT_EQ(Check(text, value), CyclicTimeText::kNotNumber) << text;
    }
}

TEST(CycControlStates, CountAndListNeedBothTheSystemTimeAndTheCheckedBox)
{
    EXPECT_FALSE(systime::CycControlsFor(false, true).useBoxEnabled);
    EXPECT_FALSE(systime::CycControlsFor(false, true).countAndListEnabled);
    EXPECT_TRUE(systime::CycControlsFor(true, false).useBoxEnabled);
    EXPECT_FALSE(systime::CycControlsFor(true, false).countAndListEnabled);
    EXPECT_TRUE(systime::CycControlsFor(true, true).countAndListEnabled);
}

}  // namespace
