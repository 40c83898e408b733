// Tests of the multibyte text layer: search, case folding, trimming, numbers and the safe formatter.
#include <climits>
#include <gtest/gtest.h>

#include "text.h"

namespace {

class ShiftJisText : public ::testing::Test {
protected:
    void SetUp() override { mbtext::SetCodePage(mbtext::CodePage::ShiftJis); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};

// 0x83 0x5C is a Shift-JIS character whose second byte is a backslash; 0x82 0x60 ends in a '`'.
const std::string kSoWithBackslash = "\x83\x5C";

TEST(TextSearch, FindsFirstMatchAtOrAfterStart)
{
    EXPECT_EQ(mbtext::Find("abcabc", "bc"), 1u);
    EXPECT_EQ(mbtext::Find("abcabc", "bc", 2), 4u);
    EXPECT_EQ(mbtext::Find("abc", "x"), mbtext::npos);
    EXPECT_EQ(mbtext::Find("abc", "", 2), 2u);
    EXPECT_EQ(mbtext::Find("abc", "", 3), 3u);
    EXPECT_EQ(mbtext::Find("abc", "a", 4), mbtext::npos);
    EXPECT_EQ(mbtext::Find("ab", "abc"), mbtext::npos);
}

TEST_F(ShiftJisText, SearchNeverMatchesOnASecondByte)
{
    const std::string s = "x" + kSoWithBackslash + "\\n";
    EXPECT_EQ(mbtext::FindChar(s, '\\'), 3u);
    EXPECT_EQ(mbtext::Find(s, "\\"), 3u);
    EXPECT_EQ(mbtext::FindAnyOf(s, "\\"), 3u);
    EXPECT_EQ(mbtext::FindLastChar(kSoWithBackslash, '\\'), mbtext::npos);
    // A lead byte at the very end stands alone.
    EXPECT_EQ(mbtext::Find(std::string("a\x83"), "\x83"), 1u);
}

TEST(TextSearch, SingleBytePagesSeeEveryByte)
{
    EXPECT_EQ(mbtext::FindChar(kSoWithBackslash, '\\'), 1u);
}

TEST_F(ShiftJisText, LowerCasingKeepsDoubleByteCharactersWhole)
{
    // 0x82 0x60 is a full-width letter whose second byte is not a letter, 0x88 0x41 has 'A' as second byte.
    EXPECT_EQ(mbtext::ToLower("AB\x88\x41Z"), "ab\x88\x41z");
}

TEST(TextTrim, RemovesWhiteSpaceAtBothEnds)
{
    EXPECT_EQ(mbtext::Trim(" \t\r\n\v\f a b \r\n"), "a b");
    EXPECT_EQ(mbtext::Trim("   "), "");
    EXPECT_EQ(mbtext::Trim(""), "");
}

TEST(TextNumbers, AtoiFollowsCAndSaturates)
{
    EXPECT_EQ(mbtext::Atoi("  250uL"), 250);
    EXPECT_EQ(mbtext::Atoi("0x80u"), 0);
    EXPECT_EQ(mbtext::Atoi("-17"), -17);
    EXPECT_EQ(mbtext::Atoi("+5"), 5);
    EXPECT_EQ(mbtext::Atoi("abc"), 0);
    EXPECT_EQ(mbtext::Atoi("- 5"), 0);
    EXPECT_EQ(mbtext::Atoi("2147483647"), INT_MAX);
    EXPECT_EQ(mbtext::Atoi("2147483648"), INT_MAX);
    EXPECT_EQ(mbtext::Atoi("99999999999"), INT_MAX);
    EXPECT_EQ(mbtext::Atoi("-2147483648"), INT_MIN);
    EXPECT_EQ(mbtext::Atoi("-99999999999999999999999"), INT_MIN);
    // 4294967423 would wrap to 127 in 32 bits.
    EXPECT_EQ(mbtext::Atoi("4294967423"), INT_MAX);
}

TEST(TextNumbers, PlainDecimalIsExactlyTheTextOfItsValue)
{
    int v = 99;
    EXPECT_TRUE(mbtext::IsPlainDecimal(" 250 \t", v));
    EXPECT_EQ(v, 250);
    EXPECT_TRUE(mbtext::IsPlainDecimal("0", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(mbtext::IsPlainDecimal("-3", v));
    EXPECT_EQ(v, -3);
    v = 99;
    for (const char* bad : {"", "  ", "+5", "007", "5x", "1 2", "0x10", "-0", "2147483648", "99999999999"}) {
        EXPECT_FALSE(mbtext::IsPlainDecimal(bad, v)) << bad;
    }
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(mbtext::IsPlainDecimal("2147483647", v));
    EXPECT_TRUE(mbtext::IsPlainDecimal("-2147483648", v));
}

TEST(TextNumbers, ScanHexFollowsSscanfAndSaturates)
{
    int v = -1;
    EXPECT_EQ(mbtext::ScanHex("0x80", v), 1);
    EXPECT_EQ(v, 128);
    EXPECT_EQ(mbtext::ScanHex(" 400)", v), 1);
    EXPECT_EQ(v, 1024);
    EXPECT_EQ(mbtext::ScanHex("0XfF", v), 1);
    EXPECT_EQ(v, 255);
    EXPECT_EQ(mbtext::ScanHex("-0x10", v), 1);
    EXPECT_EQ(v, -16);
    EXPECT_EQ(mbtext::ScanHex("0xg", v), 1);
    EXPECT_EQ(v, 0);
    v = 7;
    EXPECT_EQ(mbtext::ScanHex("zz", v), 0);
    EXPECT_EQ(mbtext::ScanHex("", v), 0);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(mbtext::ScanHex("0x100000000", v), 1);
    EXPECT_EQ(v, INT_MAX);
    EXPECT_EQ(mbtext::ScanHex("0xFFFFFFFF", v), 1);
    EXPECT_EQ(v, INT_MAX);
}

TEST(TextFormat, FillsTheTemplatesOfTheEditor)
{
    EXPECT_EQ(mbtext::Format("tsk%02d", {1}), "tsk01");
    EXPECT_EQ(mbtext::Format("tsk%02d", {127}), "tsk127");
    EXPECT_EQ(mbtext::Format("cychdr%d", {5}), "cychdr5");
    EXPECT_EQ(mbtext::Format("%s.bk%03d", {"/a/config.c", 7}), "/a/config.c.bk007");
    EXPECT_EQ(mbtext::Format("(UB)%du", {12}), "(UB)12u");
    EXPECT_EQ(mbtext::Format("0x%02x", {128}), "0x80");
    EXPECT_EQ(mbtext::Format("0x%02x", {1024}), "0x400");
    EXPECT_EQ(mbtext::Format("0x%02X", {10}), "0x0A");
    EXPECT_EQ(mbtext::Format("[%5d|%-5d|%05d]", {-42, 7, -3}), "[  -42|7    |-0003]");
    EXPECT_EQ(mbtext::Format("%s %02d, %d", {"Dec", 7, 2026}), "Dec 07, 2026");
    EXPECT_EQ(mbtext::Format("100%%"), "100%");
    EXPECT_EQ(mbtext::Format("%u", {-1}), "4294967295");
    EXPECT_EQ(mbtext::Format("%d", {INT_MIN}), "-2147483648");
    EXPECT_EQ(mbtext::Format("%.2s", {"abc"}), "ab");
}

TEST(TextFormat, UserTextIsNeverATemplate)
{
    EXPECT_EQ(mbtext::Format("name=%s;", {"%s%n%d%x"}), "name=%s%n%d%x;");
    // Missing or mismatched arguments print nothing; unknown conversions stay.
    EXPECT_EQ(mbtext::Format("%d-%s-%d", {"x", 3}), "--");
    EXPECT_EQ(mbtext::Format("%n %q %", {1}), "%n %q %");
    EXPECT_EQ(mbtext::Format("%d%d", {1}), "1");
}

}  // namespace
