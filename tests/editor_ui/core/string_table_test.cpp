// Tests of the string table: the loader (columns, escapes, errors) and the shipped table (every id the
// editor uses, both languages, matching placeholders, texts the program compares).
#include "string_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

std::string ReadShippedTable()
{
    std::ifstream in(QV_STRINGS_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ShippedStringTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(table.Load(ReadShippedTable(), &error)) << error;
    }
    StringTable table;
};

// The printf conversions of a template, in order ("%%" is not one).
std::string Conversions(const std::string& text)
{
    std::string result;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        std::string::size_type j = i + 1;
        while (j < text.size() && std::string("-0123456789").find(text[j]) != std::string::npos) ++j;
        if (j < text.size()) {
            if (text[j] != '%') result += text.substr(i, j - i + 1) + " ";
            i = j;
        }
    }
    return result;
}

// --- Loader ------------------------------------------------------------------------------------------------

TEST(StringTableUnescape, KnownEscapes)
{
    std::string out;
    EXPECT_TRUE(StringTable::Unescape("a\\nb\\tc\\\\d", &out));
    EXPECT_EQ(out, "a\nb\tc\\d");
    EXPECT_TRUE(StringTable::Unescape("\\\\n", &out));  // an escaped backslash, then a plain n
    EXPECT_EQ(out, "\\n");
    EXPECT_TRUE(StringTable::Unescape("", &out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(StringTable::Unescape("\"%s\" : OK", &out));
    EXPECT_EQ(out, "\"%s\" : OK");
}

TEST(StringTableUnescape, RejectsUnknownAndDanglingEscapes)
{
    std::string out;
    EXPECT_FALSE(StringTable::Unescape("a\\x", &out));
    EXPECT_EQ(out, "a");
    EXPECT_FALSE(StringTable::Unescape("\\\"", &out));
    EXPECT_FALSE(StringTable::Unescape("end\\", &out));
    EXPECT_EQ(out, "end");
}

TEST(StringTableLoad, ReadsRowsSkipsCommentsAndBlankLines)
{
    StringTable t;
    std::string error = "x";
    ASSERT_TRUE(t.Load("# header\n\n1\tOne\\nline\t\xE4\xB8\x80\n"
                       "menu.file\tFile(&F)\t\xE3\x83\x95\n",
                       &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(t.Size(), 2u);
    EXPECT_EQ(t.Get(1, StringLang::English), "One\nline");
    EXPECT_EQ(t.Get(1, StringLang::Japanese), "\xE4\xB8\x80");
    EXPECT_EQ(t.Get("menu.file", StringLang::English), "File(&F)");
    EXPECT_TRUE(t.Has(1));
    EXPECT_FALSE(t.Has(2));
    EXPECT_EQ(t.Get(2, StringLang::English), "");
    EXPECT_EQ(t.Ids(), (std::vector<std::string>{"1", "menu.file"}));
}

TEST(StringTableLoad, AcceptsCrLfLineEndsAndNoFinalLineEnd)
{
    StringTable t;
    ASSERT_TRUE(t.Load("1\tA\tB\r\n2\tC\tD"));
    EXPECT_EQ(t.Get(1, StringLang::Japanese), "B");
    EXPECT_EQ(t.Get(2, StringLang::English), "C");
}

TEST(StringTableLoad, EmptyTextsAreKeptAsEmpty)
{
    StringTable t;
    ASSERT_TRUE(t.Load("7\t\t\n"));
    EXPECT_TRUE(t.Has(7));
    EXPECT_EQ(t.Get(7, StringLang::English), "");
}

TEST(StringTableLoad, MalformedLinesFailWithTheLineNumberAndLeaveTheTableEmpty)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1\tA\tB\n2\tonly two\n", "line 2: expected 3 tab-separated columns, found 2"},
        {"1\tA\tB\tC\n", "line 1: expected 3 tab-separated columns, found 4"},
        {"# c\n\tA\tB\n", "line 2: empty id"},
        {"1\tA\tB\n1\tC\tD\n", "line 2: id 1 given twice"},
        {"1\tA\\q\tB\n", "line 1: bad escape in the English text of 1"},
        {"1\tA\tB\\\n", "line 1: bad escape in the Japanese text of 1"},
    };
    for (const auto& c : cases) {
        StringTable t;
        ASSERT_TRUE(t.Load("9\tkept?\tkept?\n"));
        std::string error;
        EXPECT_FALSE(t.Load(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(t.Size(), 0u);
        EXPECT_FALSE(t.Has(9));
    }
}

TEST(StringTableLocale, JapaneseOnlyForJapaneseLocales)
{
    EXPECT_EQ(StringLangForLocale("ja_JP.UTF-8"), StringLang::Japanese);
    EXPECT_EQ(StringLangForLocale("ja_JP"), StringLang::Japanese);
    EXPECT_EQ(StringLangForLocale("ja"), StringLang::Japanese);
    EXPECT_EQ(StringLangForLocale("ja-JP"), StringLang::Japanese);
    EXPECT_EQ(StringLangForLocale("en_US.UTF-8"), StringLang::English);
    EXPECT_EQ(StringLangForLocale("C"), StringLang::English);
    EXPECT_EQ(StringLangForLocale("POSIX"), StringLang::English);
    EXPECT_EQ(StringLangForLocale(""), StringLang::English);
    EXPECT_EQ(StringLangForLocale("jam"), StringLang::English);
}

// --- The shipped table -------------------------------------------------------------------------------------

TEST_F(ShippedStringTable, HoldsEveryIdTheEditorUses)
{
    std::vector<int> ids = {141, 2405, 312, 2201, 2301, 2401, 2402, 2403, 32785, 32796, 32797, 32798,
                            57345, 57634, 57635, 57637, 57665, 59392, 59393, 59137, 59138, 59139, 59142,
                            3001, 3002, 3003, 3004, 3006, 3007, 3008, 3201, 3202, 3203, 3204, 3206, 3207, 3208,
                            3370, 3380, 3381, 3400, 3401, 3402, 3403, 3404, 3405, 5112, 5113};
    for (int id = 302; id <= 311; ++id) ids.push_back(id);
    for (int id = 351; id <= 359; ++id) ids.push_back(id);
    for (int id = 3101; id <= 3110; ++id) ids.push_back(id);
    for (int id = 3301; id <= 3351; ++id) ids.push_back(id);
    for (int id = 3354; id <= 3357; ++id) ids.push_back(id);
    for (int id = 3371; id <= 3376; ++id) ids.push_back(id);
    for (int id = 4001; id <= 4015; ++id) ids.push_back(id);
    for (int id = 5001; id <= 5009; ++id) ids.push_back(id);
    for (int id = 5101; id <= 5124; ++id) ids.push_back(id);
    for (int id : ids) {
        EXPECT_TRUE(table.Has(id)) << id;
        EXPECT_NE(table.Get(id, StringLang::English), "") << id;
        EXPECT_NE(table.Get(id, StringLang::Japanese), "") << id;
    }
    for (const char* key : {"menu.file", "menu.file.recent", "menu.file.none", "menu.file.exit", "menu.edit",
                            "menu.edit.cut", "menu.edit.copy", "menu.edit.paste", "menu.view", "menu.view.toolbar",
                            "menu.view.statusbar", "menu.build", "menu.build.output", "menu.help",
                            "menu.help.about", "about.notice"}) {
        EXPECT_NE(table.Get(key, StringLang::English), "") << key;
        EXPECT_NE(table.Get(key, StringLang::Japanese), "") << key;
    }
}

TEST_F(ShippedStringTable, EveryRowHasBothLanguages)
{
    ASSERT_GT(table.Size(), 150u);
    for (const std::string& id : table.Ids()) {
        EXPECT_NE(table.Get(id, StringLang::English), "") << id;
        EXPECT_NE(table.Get(id, StringLang::Japanese), "") << id;
    }
}

TEST_F(ShippedStringTable, BothLanguagesTakeTheSameArguments)
{
    // A template whose Japanese text expects other arguments would print wrong or missing values.
    for (const std::string& id : table.Ids()) {
        EXPECT_EQ(Conversions(table.Get(id, StringLang::English)), Conversions(table.Get(id, StringLang::Japanese)))
            << id;
    }
    EXPECT_EQ(Conversions(table.Get(5105, StringLang::English)), "%d %d ");
    EXPECT_EQ(Conversions(table.Get(5113, StringLang::Japanese)), "%d %d ");
}

TEST_F(ShippedStringTable, CategoryTextsAreDistinctInEachLanguage)
{
    // Panel switching tells the categories apart by their text alone.
    for (StringLang lang : {StringLang::English, StringLang::Japanese}) {
        std::set<std::string> seen;
        for (int id = 351; id <= 359; ++id) EXPECT_TRUE(seen.insert(table.Get(id, lang)).second) << id;
        for (int id : {3316, 3317, 3404, 3405}) EXPECT_EQ(seen.count(table.Get(id, lang)), 0u) << id;
    }
}

TEST_F(ShippedStringTable, EscapesBecomeRealCharacters)
{
    EXPECT_EQ(table.Get(4004, StringLang::English), "Invalid stack size.\nPlease input a number");
    EXPECT_EQ(table.Get(302, StringLang::English), "Changee FORM\nChangee FORM");
    EXPECT_EQ(table.Get("menu.edit.copy", StringLang::English), "Copy(&C)\tCtrl+C");
    EXPECT_EQ(table.Get(5002, StringLang::English), "- File reading \"%s\" : OK");
    for (const std::string& id : table.Ids()) {
        for (StringLang lang : {StringLang::English, StringLang::Japanese}) {
            const std::string text = table.Get(id, lang);
            EXPECT_EQ(text.find('\r'), std::string::npos) << id;
            EXPECT_EQ(text.find("\\n"), std::string::npos) << id;
        }
    }
}

TEST_F(ShippedStringTable, TextsKeptExactly)
{
    EXPECT_EQ(table.Get(141, StringLang::English), "Quorvane Configurator Ver1.00.18");
    EXPECT_EQ(table.Get(5001, StringLang::English), "---------- INPUT CONFIG-FILES -----------");
    EXPECT_EQ(table.Get(5101, StringLang::English),
              "(W) Can't analyze CPU.  \"H8/300H Normal mode\" temporary; set it.");
    EXPECT_EQ(table.Get(5113, StringLang::English), "OUTPUT CONFIG-FILES - error %d, wornning %d");
    EXPECT_EQ(table.Get(3316, StringLang::English), "Input COFIG-FILES");
    EXPECT_EQ(table.Get(5109, StringLang::Japanese),
              "(W) \xE5\x91\xA8\xE6\x9C\x9F\xEF\xBE\x8A\xEF\xBE\x9D\xEF\xBE\x84\xEF\xBE\x9E\xEF\xBE\x97"
              "\xE6\x95\xB0\xE3\x81\x8C\xE8\xA7\xA3\xE6\x9E\x90\xE3\x81\xA7\xE3\x81\x8D\xE3\x81\xBE"
              "\xE3\x81\x9B\xE3\x82\x93\xE3\x81\xA7\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82\xE2\x80\x9D"
              "\xE5\x91\xA8\xE6\x9C\x9F\xEF\xBE\x8A\xEF\xBE\x9D\xEF\xBE\x84\xEF\xBE\x9E\xEF\xBE\x97"
              "\xE6\x95\xB0=%d\xE2\x80\x9D\xE3\x82\x92\xE4\xBB\xAE\xE8\xA8\xAD\xE5\xAE\x9A\xE3\x81\x97"
              "\xE3\x81\xBE\xE3\x81\x99\xE3\x80\x82");
    EXPECT_FALSE(table.Has(3352));
    EXPECT_FALSE(table.Has(3353));
}

}  // namespace
