// Tests of the name checks for task and cyclic-handler functions.
#include <gtest/gtest.h>

#include "cname.h"
#include "text.h"

namespace {

TEST(CName, OrdinaryIdentifiersPass)
{
    EXPECT_EQ(IsValidCName("main_task"), 1);
    EXPECT_EQ(IsValidCName("_t1"), 1);
    EXPECT_EQ(IsValidCName(std::string(300, 'a')), 1);
    EXPECT_EQ(IsValidCName("a:b@`"), 1);
}

TEST(CName, LeadingDigitIsRejected)
{
    EXPECT_EQ(IsValidCName("1task"), 0);
    EXPECT_EQ(IsValidCName("9"), 0);
    EXPECT_EQ(IsValidCName("task1"), 1);
}

TEST(CName, EachForbiddenCharacterIsRejectedAnywhere)
{
    const std::string forbidden = " ()[].,-+*/%^~=<>!#$&|?'\"\r\n\t\v\b\\";
    ASSERT_EQ(forbidden.size(), 31u);
    for (char c : forbidden) {
        EXPECT_EQ(IsValidCName(std::string("ab") + c + "cd"), 0) << static_cast<int>(c);
        EXPECT_EQ(IsValidCName(std::string(1, c) + "abc"), 0) << static_cast<int>(c);
        EXPECT_EQ(IsValidCName(std::string("abc") + c), 0) << static_cast<int>(c);
    }
    EXPECT_EQ(IsValidCName("(anything)"), 0);
    EXPECT_EQ(IsValidCName("%s%n"), 0);
    EXPECT_EQ(IsValidCName("a}b"), 0);  // would read back as "a"
    // "SH2_init" would make an RX configuration SH2, though not as a handler's name.
    EXPECT_EQ(IsValidCName("SH2_init"), 0);
    EXPECT_EQ(IsReadBackName("SH2_init", NameFile::Config), 1);
}

TEST(CName, ReservedWordsAreRejectedOnlyWhole)
{
    const char* words[] = {"auto", "break", "case", "char", "const", "continue", "default", "do", "double",
                           "else", "enum", "extern", "float", "for", "goto", "if", "int", "long", "register",
                           "return", "short", "signed", "sizeof", "static", "struct", "switch", "typedef",
                           "union", "unsigned", "void", "volatile", "while", "fortran", "pascal", "far", "near"};
    for (std::string w : words) {
        EXPECT_EQ(IsValidCName(w), 0) << w;
        std::string capital = w;
        capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
        EXPECT_EQ(IsValidCName(capital), 1) << capital;
        EXPECT_EQ(IsValidCName("x" + w), 1) << w;
        EXPECT_EQ(IsValidCName(w + "x"), 1) << w;
    }
    EXPECT_EQ(IsValidCName("CONTINUE"), 1);
    EXPECT_EQ(IsValidCName(""), 0);
}

TEST(CName, DoubleByteCharactersAreOneUnderShiftJis)
{
    // 0x83 0x5C: a Shift-JIS character whose second byte is a backslash.
    const std::string name = "task\x83\x5C";
    mbtext::SetCodePage(mbtext::CodePage::ShiftJis);
    EXPECT_EQ(IsValidCName(name), 1);
    EXPECT_EQ(IsValidCName("task\x83\x5C-"), 0);
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    EXPECT_EQ(IsValidCName(name), 0);
}

}  // namespace
