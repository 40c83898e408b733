// Shared set-up of the analyser tests: a document whose start folder is a temporary folder of its own, and
// a switch to the Shift-JIS code page that is undone after the test.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "doc.h"
#include "test_util.h"
#include "text.h"

class AnalyserTest : public ::testing::Test {
protected:
    CCData_conf_info& Conf() { return m_doc.m_confInfo; }

    testutil::TempDir m_dir;
    CQuorvaneConfiguratorDoc m_doc{m_dir.Path()};
};

class ShiftJisAnalyserTest : public AnalyserTest {
protected:
    void SetUp() override { mbtext::SetCodePage(mbtext::CodePage::ShiftJis); }
    void TearDown() override { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};

// Texts built from pieces of the real syntax, stray bytes and Shift-JIS lead bytes.
namespace randomtext {

inline const std::vector<std::string> kPieces = {
    "/*", "*/", "//", "/", "*", "\r\n", "\r", "\n", " ", "\t", "#define", "#define ", "(", ")", "{", "}", "[", "]",
    ";", ",", "0x", "0X", "u", "L", "1", "0", "-", "127", "128", "99999999999", "(UB)", "(B)", "KNL_TCB_NUM",
    "KNL_TCB_PRI_NUM", "KNL_MSK_LEVEL", "KNL_MSK_BIT", "KNL_MSK_CCR", "xc0", "x80", "knl_tcbAddrInit",
    "knl_tcbStInit", "knl_tcbSpInit", "CTCB_ST_RDY", "CTCB_ST_SLP", "TCB1_SIZE", "TCB2_SIZE", "EVFLG_NUM",
    "SEM_NUM", "DTQ_NUM", "CYC_NUM", "SYSTIM_CYCLIC_TIM", "EVTFLG_ATTR", "SEM_ATTR", "DTQ_ATTR", "CYC_ATTR",
    "EVFLG_TA_AND", "EVFLG_TA_OR", "EVFLG_TA_TPRI", "EVFLG_TA_TFIFO", "SEM_TA_TPRI", "SEM_TA_TFIFO",
    "DTQ_TA_TFIFO", "DTQ1_SIZE", "CYC_TA_STA", "EVENTFLG", "SEMAPHORE", "DATAQUE", "SYSTIME", "CYC_HDR",
    "H8S/2600", "H8/300H", "normal mode", "(IM1)", "(IM3)", "SH2", "RL78", std::string(1, '\0'), "\x81", "\x83",
    "\x9f", "\xe0", "\xfc", "\xff", "\x83\x5c", "\x83\x7d", "\x82\x60",
};

inline std::string RandomText(std::mt19937& rng, int pieces)
{
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::string s;
    for (int i = 0; i < pieces; ++i) s += kPieces[pick(rng)];
    return s;
}

}  // namespace randomtext
