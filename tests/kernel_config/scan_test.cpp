// Tests of comment removal and of the "#define" look-up that every analyser of the kernel files relies on.
#include <string>

#include <gtest/gtest.h>

#include "doc.h"
#include "text.h"

namespace {

using Doc = CQuorvaneConfiguratorDoc;

class ShiftJisScan : public ::testing::Test {
protected:
    void SetUp() override { mbtext::SetCodePage(mbtext::CodePage::ShiftJis); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};

TEST(StripComments, BlockCommentLeavesNothingBehind)
{
    EXPECT_EQ(Doc::StripComments("a/* x */b"), "ab");
    EXPECT_EQ(Doc::StripComments("/**/"), "");
    EXPECT_EQ(Doc::StripComments("a/* 1 *//* 2 */b/* 3 */"), "ab");
}

TEST(StripComments, LineEndsInsideABlockGoWithIt)
{
    EXPECT_EQ(Doc::StripComments("#define A 1 /* x\r\n y */\r\n#define B 2\r\n"), "#define A 1 \r\n#define B 2\r\n");
}

TEST(StripComments, LineCommentTakesItsLineEnd)
{
    EXPECT_EQ(Doc::StripComments("//#define EVENTFLG\r\n#define SEMAPHORE\r\n"), "#define SEMAPHORE\r\n");
    EXPECT_EQ(Doc::StripComments("#define SEM_NUM 5 // old\r\n#define SEM_NUM 3\r\n"),
              "#define SEM_NUM 5 #define SEM_NUM 3\r\n");
}

TEST(StripComments, OnlyCrLfEndsALineComment)
{
    // A lone LF or CR is part of the comment; it runs on to the next CR LF.
    EXPECT_EQ(Doc::StripComments("a // x\nb\rc\r\nd"), "a d");
    // A line comment in a last line without CR LF stays.
    EXPECT_EQ(Doc::StripComments("a\r\nb // tail"), "a\r\nb // tail");
}

TEST(StripComments, LineCommentMarkInsideABlockStartsNothing)
{
    EXPECT_EQ(Doc::StripComments("a /* b // c */ d\r\ne\r\n"), "a  d\r\ne\r\n");
}

TEST(StripComments, BlockOpenedInsideALineCommentRunsToItsClose)
{
    // Blocks go first, so the "/*" behind "//" swallows two line ends; the rest of the "//" line goes after.
    EXPECT_EQ(Doc::StripComments("x // a /* b\r\ny\r\nz */ w\r\nv\r\n"), "x v\r\n");
}

TEST(StripComments, UnterminatedBlockStaysButLineCommentsStillGo)
{
    EXPECT_EQ(Doc::StripComments("a\r\n/* open\r\nb // c\r\nd"), "a\r\n/* open\r\nb d");
}

TEST(StripComments, OpenerAndCloserNeverShareTheStar)
{
    // "/*/" opens a comment and does not close it.
    EXPECT_EQ(Doc::StripComments("a/*/b*/c"), "ac");
    EXPECT_EQ(Doc::StripComments("a/*/b"), "a/*/b");
}

TEST(StripComments, MarkersInsideStringLiteralsCount)
{
    EXPECT_EQ(Doc::StripComments("s = \"http://x\";\r\nt\r\n"), "s = \"http:t\r\n");
}

TEST(StripComments, ManyCommentsInALargeTextAreRemovedQuickly)
{
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "x/**/// c\r\n";
    EXPECT_EQ(Doc::StripComments(text), std::string(100000, 'x'));
}

TEST_F(ShiftJisScan, CloserOnASecondByteClosesNothing)
{
    // 0x83 starts a double-byte character, so the "*" after it is its second byte.
    const std::string text = "a/* \x83*/b\r\n";
    EXPECT_EQ(Doc::StripComments(text), text);
    // A Japanese comment ("so" has the second byte 0x5C) is removed whole.
    EXPECT_EQ(Doc::StripComments("a/* \x83\x5C */b// \x83\x5C\r\nc"), "abc");
}

TEST(StripComments, SingleBytePageSeesEveryCloser)
{
    EXPECT_EQ(Doc::StripComments("a/* \x83*/b\r\n"), "ab\r\n");
}

TEST(GetDefineValue, ValueNeedsTheLineEnd)
{
    EXPECT_EQ(Doc::GetDefineValue("#define SEM_NUM 3\r\n", "SEM_NUM"), "3");
    EXPECT_EQ(Doc::GetDefineValue("#define SEM_NUM 3", "SEM_NUM"), "");
    EXPECT_EQ(Doc::GetDefineValue("", "SEM_NUM"), "");
}

TEST(GetDefineValue, FirstLineHoldingTheNameAnywhereWins)
{
    EXPECT_EQ(Doc::GetDefineValue("#define XSEM_NUMBER 9\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "BER 9");
    // The name may stand in the value part too.
    EXPECT_EQ(Doc::GetDefineValue("#define OTHER SEM_NUM_X\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "_X");
}

TEST(GetDefineValue, CommentedDefinesAreNotSeen)
{
    EXPECT_EQ(Doc::GetDefineValue("/* #define SEM_NUM 4 */\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "3");
    EXPECT_EQ(Doc::GetDefineValue("//#define SEM_NUM 4\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "3");
    EXPECT_EQ(Doc::GetDefineValue("#define EVFLG_NUM      3                 /* FLG Number        */\r\n", "EVFLG_NUM"),
              "3");
}

TEST(GetDefineValue, LineCommentJoinsTheNextLine)
{
    EXPECT_EQ(Doc::GetDefineValue("#define SEM_NUM 5 // old\r\n#define SEM_NUM 3\r\n", "SEM_NUM"),
              "5 #define SEM_NUM 3");
}

TEST(GetDefineValue, LoneLineFeedDoesNotEndTheLine)
{
    EXPECT_EQ(Doc::GetDefineValue("#define A 1\n#define B 2\r\n", "A"), "1\n#define B 2");
}

TEST(GetDefineValue, EmptyNameGivesTheWholeRest)
{
    EXPECT_EQ(Doc::GetDefineValue("int x;\r\n  #define   A  7 \r\n", ""), "A  7");
}

TEST(GetDefineValue, PreprocessorConditionsAreNotEvaluated)
{
    EXPECT_EQ(Doc::GetDefineValue("#if 0\r\n#define SEM_NUM 4\r\n#endif\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "4");
}

TEST(GetDefineValue, LinesWithoutDefineAreSkipped)
{
    EXPECT_EQ(Doc::GetDefineValue("SEM_NUM 1\r\n# define SEM_NUM 2\r\n#define SEM_NUM 3\r\n", "SEM_NUM"), "3");
}

TEST(GetDefineValue, BinaryBytesAndZeroBytesAreJustText)
{
    std::string text("#define \0\xff SEM_NUM \x01 4\r\n", 24);
    EXPECT_EQ(Doc::GetDefineValue(text, "SEM_NUM"), "\x01 4");
}

}  // namespace
