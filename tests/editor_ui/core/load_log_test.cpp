// Tests of the texts of the load's log lines, in English and Japanese.
#include "load_log.h"

#include <gtest/gtest.h>

#include "english_labels.h"

namespace {

TEST(LoadLogLines, ReadLinesQuoteThePath)
{
    const LabelLookup en = testlabels::Labels();
    EXPECT_EQ(loadlog::ReadLine("/d/config.c", "text", en), "- File reading \"/d/config.c\" : OK");
    EXPECT_EQ(loadlog::ReadLine("/d/config.c", "", en), "(E) File reading \"/d/config.c\" : NG");
    EXPECT_EQ(loadlog::PathLine(loadlog::kNotFoundId, "/d/kinit.c", en), "(E) Not Found : \"/d/kinit.c\"");
    EXPECT_EQ(en(loadlog::kHeaderId), "---------- INPUT CONFIG-FILES -----------");
}

TEST(LoadLogLines, PathWithFormatCharactersIsWrittenAsItStands)
{
    EXPECT_EQ(loadlog::ReadLine("/x%s%n%d/config.c", "t", testlabels::Labels()),
              "- File reading \"/x%s%n%d/config.c\" : OK");
}

TEST(LoadLogLines, WarningsCarryTheirNumbers)
{
    const LabelLookup en = testlabels::Labels();
    EXPECT_EQ(loadlog::WarningLine({5101, {}}, en),
              "(W) Can't analyze CPU.  \"H8/300H Normal mode\" temporary; set it.");
    EXPECT_EQ(loadlog::WarningLine({5104, {3}}, en),
              "(W) Can't analyze Kernel Mask Level.  \"level3\" temporary; set it.");
    EXPECT_EQ(loadlog::WarningLine({5105, {3, 0}}, en),
              "(W) Can't analyze Task Number.  \"Task Number=3(Priority Task Number=0)\" temporary; set it.");
    EXPECT_EQ(loadlog::WarningLine({5110, {250}}, en),
              "(W) Can't analyze SYSTEM-TIME.  \"SYSTEM-TIME=250\" temporary; set it.");
    EXPECT_EQ(loadlog::WarningLine({5124, {}}, en),
              "(W) Can't analyze CONFIG-FILE(qvos.def).  temporary; set it(Use object)");
    const LabelLookup ja = testlabels::Labels(StringLang::Japanese);
    EXPECT_EQ(loadlog::WarningLine({5105, {12, 4}}, ja),
              "(W) ﾀｽｸ数が解析できませんでした。”ﾀｽｸ数=12(ﾌﾟﾗｲｵﾘﾃｨﾀｽｸ数=4)”を仮設定します。");
    EXPECT_EQ(loadlog::WarningLine({5109, {1}}, ja),
              "(W) 周期ﾊﾝﾄﾞﾗ数が解析できませんでした。”周期ﾊﾝﾄﾞﾗ数=1”を仮設定します。");
}

TEST(LoadLogLines, EveryWarningOfTheLoadHasItsTextInBothLanguages)
{
    for (int id : {5101, 5102, 5103, 5104, 5105, 5106, 5107, 5108, 5109, 5110, 5111, 5120, 5121, 5122, 5123,
                   5124}) {
        for (StringLang lang : {StringLang::English, StringLang::Japanese}) {
            const std::string line = loadlog::WarningLine({id, {7, 8}}, testlabels::Labels(lang));
            EXPECT_EQ(line.rfind("(W) ", 0), 0u) << id;
            EXPECT_EQ(line.find('%'), std::string::npos) << id;
        }
    }
}

TEST(LoadLogLines, NotFoundLinesInInputOrderSkippingEmptyPaths)
{
    const LabelLookup en = testlabels::Labels();
    configfiles::ConfigPaths p = configfiles::PathsFromFolder("/d");
    EXPECT_EQ(loadlog::NotFoundLines(p, 0x50, en),
              (std::vector<std::string>{"(E) Not Found : \"/d/config.c\"", "(E) Not Found : \"/d/kinit.c\""}));
    // Output bits are no business of this report.
    EXPECT_TRUE(loadlog::NotFoundLines(p, 0x700, en).empty());
    p.inDef.clear();
    EXPECT_EQ(loadlog::NotFoundLines(p, 0x20, en), std::vector<std::string>{});
}

}  // namespace
