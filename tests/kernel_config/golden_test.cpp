// Whole generated files compared with expected files written by hand: one CPU type of each closing-table
// family, and the default configuration. The date is passed in, never read from the clock.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "conf_info.h"
#include "test_util.h"
#include "writer.h"

namespace {

struct GoldenCase {
    const char* folder;
    void (*setup)(CCData_conf_info& conf);
    int year, month, day;
};

void SetupDefault(CCData_conf_info&) {}

void SetupH8300l(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(0);
    conf.m_tsk.m_nTskNum = 2;
    conf.m_tsk.m_nTskPriNum = 1;
    conf.m_tsk.SetTskData(1, 0, 18, "main_task");
    conf.m_tsk.SetTskData(2, 1, 128, "tsk02");
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 2;
    conf.m_flg.m_nFlgAttr[0] = 4;
    conf.m_flg.m_nFlgAttr[1] = 3;
}

void SetupH8300hNormal(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(1);
    conf.m_cpu.SetCpuMode(2);
    conf.m_cpu.m_nMaskLevel = 2;
    conf.m_tsk.m_nTskNum = 1;
    conf.m_tsk.m_nTskPriNum = 1;
    conf.m_tsk.SetTskData(1, 0, 1024, "tsk01");
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = 2;
    conf.m_sem.SetSemData(1, 1, 0);
    conf.m_sem.SetSemData(2, 0, 3);
    conf.m_tim.SetUse(1);
    conf.m_tim.m_nCyclicTime = 10;
}

void SetupH8300hAdvanced(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(2);
    conf.m_cpu.SetCpuMode(2);
    conf.m_cpu.m_nMaskLevel = 1;
    conf.m_tsk.m_nTskPriNum = 2;
    conf.m_tsk.SetTskData(2, 0, 256, "tsk02");
    conf.m_tsk.SetTskData(3, 1, 36, "tsk03");
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 2;
    conf.m_cyc.SetCycData(2, 1, "handler_b", 5000);
}

void SetupR8c2(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(4);
    conf.m_tsk.SetTskData(1, 0, 130, "tsk01");
    conf.m_tsk.SetTskData(2, 0, 20, "tsk02");
    conf.m_tsk.SetTskData(3, 0, 129, "tsk03");
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 2;
    conf.m_dtq.SetDtqData(1, 0, 0);
    conf.m_dtq.SetDtqData(2, 1, 5);
}

void SetupH8s2600Normal(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(9);
    conf.m_cpu.SetCpuMode(2);
    conf.m_cpu.m_nMaskLevel = 2;
    conf.m_tsk.m_nTskNum = 2;
}

void SetupH8sTiny(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(6);
    conf.m_cpu.SetCpuMode(1);
    conf.m_tsk.m_nTskPriNum = 3;
}

void SetupH8sx(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(11);
    conf.m_cpu.SetCpuMode(4);
    conf.m_cpu.m_nMaskLevel = 9;
    for (int id = 1; id <= 3; ++id) conf.m_tsk.m_nStackSize[id - 1] = conf.m_cpu.GetDefStackSize();
    conf.m_tim.SetUse(1);
    conf.m_tim.m_nCyclicTime = 1000;
}

void SetupSh2aFpu(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(15);
    conf.m_tsk.m_nTskNum = 1;
    conf.m_tsk.SetTskData(1, 1, 384, "tsk01");
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_dtq.SetUse(1);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
}

void SetupSh4(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(17);
    conf.m_cpu.m_nMaskLevel = 3;
    conf.m_tsk.m_nTskNum = 2;
    conf.m_tsk.m_nTskPriNum = 1;
    conf.m_tsk.SetTskData(1, 0, 1024, "idle");
    conf.m_tsk.SetTskData(2, 1, 1024, "worker");
}

void SetupRl78(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(22);
    conf.m_tsk.m_nTskNum = 2;
    conf.m_tsk.m_nStackSize[0] = 288;
    conf.m_tsk.m_nStackSize[1] = 288;
    conf.m_dtq.SetUse(1);
}

void SetupRx(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(28);
    for (int id = 1; id <= 3; ++id) conf.m_tsk.m_nStackSize[id - 1] = 384;
    conf.m_tim.SetUse(1);
    conf.m_tim.m_nCyclicTime = 5;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 3;
    conf.m_flg.m_nFlgAttr = {0, 7, 5};
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = 3;
    conf.m_sem.SetSemData(1, 0, 1);
    conf.m_sem.SetSemData(2, 1, 0);
    conf.m_sem.SetSemData(3, 0, 5);
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 3;
    conf.m_cyc.SetCycData(1, 1, "cychdr1", 100);
    conf.m_cyc.SetCycData(2, 0, "cychdr2", 1000);
    conf.m_cyc.SetCycData(3, 1, "on_tick", 20);
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 3;
    conf.m_dtq.SetDtqData(1, 1, 4);
    conf.m_dtq.SetDtqData(2, 0, 0);
    conf.m_dtq.SetDtqData(3, 1, 1);
}

const GoldenCase kCases[] = {
    {"default", SetupDefault, 2026, 12, 6},
    {"A_h8300l", SetupH8300l, 2027, 1, 5},
    {"B_h8300h_normal", SetupH8300hNormal, 2026, 12, 6},
    {"C_h8300h_advanced", SetupH8300hAdvanced, 2026, 12, 6},
    {"D_r8c2", SetupR8c2, 2026, 12, 6},
    {"E_h8s2600_normal", SetupH8s2600Normal, 2026, 12, 6},
    {"F_h8s_tiny", SetupH8sTiny, 2026, 12, 6},
    {"G_h8sx", SetupH8sx, 2026, 12, 6},
    {"H_sh2a_fpu", SetupSh2aFpu, 2026, 12, 6},
    {"I_sh4", SetupSh4, 2026, 12, 6},
    {"J_rl78", SetupRl78, 2026, 12, 6},
    {"K_rx", SetupRx, 2026, 12, 6},
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.folder;
}

class GoldenFiles : public ::testing::TestWithParam<GoldenCase> {};

// On a mismatch, name the first differing line: whole-text diffs of 10 kB are unreadable.
void ExpectSameText(const std::string& expected, const std::string& actual, const std::string& what)
{
    if (expected == actual) return;
    std::size_t pos = 0;
    while (pos < expected.size() && pos < actual.size() && expected[pos] == actual[pos]) ++pos;
    const std::size_t lineStart = expected.rfind('\n', pos == 0 ? 0 : pos - 1);
    const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
    ADD_FAILURE() << what << " differs at byte " << pos << "\n  expected: "
                  << ::testing::PrintToString(expected.substr(from, 100)) << "\n  actual:   "
                  << ::testing::PrintToString(actual.substr(from, 100));
}

TEST_P(GoldenFiles, WholeTextsMatchTheExpectedFiles)
{
    const GoldenCase& c = GetParam();
    CCData_conf_info conf;
    c.setup(conf);
    const KernelFileTexts texts = MakeKernelFileTexts(conf, c.year, c.month, c.day);
    const std::string dir = std::string(QV_TEST_DATA_DIR) + "/golden/" + c.folder + "/";
    const std::string config = testutil::ReadBytes(dir + "config.c");
    const std::string def = testutil::ReadBytes(dir + "qvos.def");
    const std::string kinit = testutil::ReadBytes(dir + "kinit.c");
    ASSERT_FALSE(config.empty() || def.empty() || kinit.empty()) << "missing expected files in " << dir;
    ExpectSameText(config, texts.config, dir + "config.c");
    ExpectSameText(def, texts.def, dir + "qvos.def");
    ExpectSameText(kinit, texts.kinit, dir + "kinit.c");
}

INSTANTIATE_TEST_SUITE_P(EveryClosingVariant, GoldenFiles, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.folder); });

// The expected files must reach the test with their CR LF bytes; a checkout that converted them would make
// every comparison above meaningless.
TEST(GoldenFilesStorage, ExpectedFilesKeepCrLfLineEnds)
{
    for (const GoldenCase& c : kCases) {
        const std::string text = testutil::ReadBytes(std::string(QV_TEST_DATA_DIR) + "/golden/" + c.folder + "/config.c");
        ASSERT_FALSE(text.empty()) << c.folder;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\n') continue;
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << c.folder << " byte " << i;
        }
    }
}

}  // namespace
