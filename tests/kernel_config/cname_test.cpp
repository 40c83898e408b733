// Tests of the C name check for task entry functions.
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

TEST(CName, NamesThatWouldNotReadBackAreRejected)
{
    // "a}b" would read back from config.c as "a"; "1bad name();" would end its CYC_ATTR call early.
    for (const char* name : {"a}b", "a{b", "a;b", "a:b;c{d}@`", "t\x7f", "t\x01", "t/*", "xknl_tcbStInit"}) {
        EXPECT_EQ(IsValidCName(name), 0) << name;
        EXPECT_EQ(IsReadBackName(name), 0) << name;
    }
    for (const char* name : {"1bad name();", "a,b", "h(", "EVTFLG_ATTRx", "#define"}) EXPECT_EQ(IsReadBackName(name), 0) << name;
    // A task name holding a CPU name would be read as the CPU of config.c; a handler's is not looked at there.
    EXPECT_EQ(IsValidCName("SH2_init"), 0);
    // A handler may start with a digit and hold what a C name may not, as long as it comes back.
    for (const char* name : {"1st", "a-b+c", "x*/", "DTQ_ATTR", "SH2_init", "\xE5\x87\xBA\xE5\x8A\x9B"}) {
        EXPECT_EQ(IsReadBackName(name), 1) << name;
    }
    // Under Shift-JIS a lead byte at the end would pair with the separator after the name.
    mbtext::SetCodePage(mbtext::CodePage::ShiftJis);
    EXPECT_EQ(IsReadBackName("h\x83\x7D"), 1);
    EXPECT_EQ(IsReadBackName("h\x83"), 0);
    mbtext::SetCodePage(mbtext::CodePage::Utf8);
    EXPECT_EQ(IsReadBackName("h\x83"), 1);
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
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
