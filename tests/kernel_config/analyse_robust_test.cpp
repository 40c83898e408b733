// Whatever bytes a kernel file holds, the analysers end, stay inside the text and the tables, and leave a
// configuration whose counts still select valid table slots. Texts are built from pieces of the real
// syntax, stray bytes and Shift-JIS lead bytes, and read under both kinds of code page.
#include <string>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

void RunAll(CQuorvaneConfiguratorDoc& doc, const std::string& text)
{
    int type = 0, mode = 0, level = 0;
    doc.AnalyzeCpu(text, type);
    doc.AnalyzeKernelMask(text, type, mode, level);
    doc.AnalyzeTcbNum(text);
    doc.AnalyzeTaskSetting(text);
    doc.AnalyzeFlgNum(text);
    doc.AnalyzeFlgAttr(text);
    doc.AnalyzeSemNum(text);
    doc.AnalyzeSemAttr(text);
    doc.AnalyzeDtqNum(text);
    doc.AnalyzeDtqAttr(text);
    doc.AnalyzeSysTime(text);
    doc.AnalyzeCycNum(text);
    doc.AnalyzeCycAttr(text);
    EXPECT_EQ(doc.AnalyzeUseObject(text), 1);
    doc.AnalyzeFlgAttrEntry(text);
    doc.AnalyzeSemAttrEntry(text);
    doc.AnalyzeDtqAttrEntry(text, text);
    doc.AnalyzeCycAttrEntry(text);
    CQuorvaneConfiguratorDoc::GetDefineValue(text, text.substr(0, 8));
}

void ExpectSoundConfiguration(const CCData_conf_info& c)
{
    EXPECT_GE(c.m_cpu.m_nCpuType, 0);
    EXPECT_LE(c.m_cpu.m_nCpuType, 30);
    EXPECT_GE(c.m_tsk.m_nTskNum, 1);
    EXPECT_LE(c.m_tsk.m_nTskNum, kMaxObjects);
    EXPECT_GE(c.m_tsk.m_nTskPriNum, 0);
    EXPECT_LE(c.m_tsk.m_nTskPriNum, kMaxObjects);
    for (int n : {c.m_flg.m_nFlgNum, c.m_sem.m_nSemNum, c.m_dtq.m_nDtqNum, c.m_cyc.m_nCycNum}) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, kMaxObjects);
    }
    EXPECT_GE(c.m_tim.m_nCyclicTime, 1);
    for (int i = 0; i < kMaxObjects; ++i) {
        EXPECT_TRUE(c.m_tsk.m_nTskSet[i] == 0 || c.m_tsk.m_nTskSet[i] == 1);
        EXPECT_TRUE(c.m_flg.m_nFlgAttr[i] >= 0 && c.m_flg.m_nFlgAttr[i] <= 7);
    }
}

class Robustness : public AnalyserTest, public ::testing::WithParamInterface<mbtext::CodePage> {
protected:
    void SetUp() override { mbtext::SetCodePage(GetParam()); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};

TEST_P(Robustness, RandomTextsFromTheSyntaxPieces)
{
    std::mt19937 rng(20260314u);
    for (int round = 0; round < 400; ++round) {
        const std::string text = randomtext::RandomText(rng, 10 + round % 300);
        RunAll(m_doc, text);
        ExpectSoundConfiguration(Conf());
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

TEST_P(Robustness, RandomBytes)
{
    std::mt19937 rng(7u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 100; ++round) {
        std::string text(static_cast<std::size_t>(round * 37), '\0');
        for (char& ch : text) ch = static_cast<char>(byte(rng));
        RunAll(m_doc, text);
        ExpectSoundConfiguration(Conf());
    }
}

TEST_P(Robustness, TruncatedTrioAtEveryLength)
{
    const std::string dir = std::string(QV_TEST_DATA_DIR) + "/trio/";
    const std::string config = CQuorvaneConfiguratorDoc::ReadFileToString(dir + "config.c");
    const std::string kinit = CQuorvaneConfiguratorDoc::ReadFileToString(dir + "kinit.c");
    ASSERT_FALSE(config.empty());
    for (std::size_t len = 0; len <= kinit.size(); len += 7) RunAll(m_doc, kinit.substr(0, len));
    for (std::size_t len = 0; len <= config.size(); len += 97) RunAll(m_doc, config.substr(0, len));
    ExpectSoundConfiguration(Conf());
}

TEST_P(Robustness, LongPathologicalTextsEnd)
{
    RunAll(m_doc, std::string(20000, '{'));
    RunAll(m_doc, " knl_tcbAddrInit " + std::string(20000, '}'));
    RunAll(m_doc, " knl_tcbStInit {" + std::string(20000, ','));
    RunAll(m_doc, " knl_tcbSpInit {" + std::string(20000, '['));
    RunAll(m_doc, std::string(20000, '/'));
    RunAll(m_doc, "/*" + std::string(20000, '*'));
    RunAll(m_doc, std::string(20000, '\x83'));
    std::string calls;
    for (int i = 0; i < 2000; ++i) calls += "DTQ_ATTR((UB)1u, DTQ_TA_TPRI, X, 0);";
    RunAll(m_doc, calls);
    ExpectSoundConfiguration(Conf());
}

INSTANTIATE_TEST_SUITE_P(CodePages, Robustness,
                         ::testing::Values(mbtext::CodePage::SingleByte, mbtext::CodePage::ShiftJis,
                                           mbtext::CodePage::Utf8),
                         [](const ::testing::TestParamInfo<mbtext::CodePage>& info) {
                             switch (info.param) {
                             case mbtext::CodePage::ShiftJis: return std::string("ShiftJis");
                             case mbtext::CodePage::Utf8: return std::string("Utf8");
                             default: return std::string("SingleByte");
                             }
                         });

}  // namespace
