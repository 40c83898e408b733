// A hand-written set of the three kernel files (H8S/2600, five tasks, every object kind in use) read through
// the fourteen analysers in the order of a load, checking every field of the configuration that results.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

// What a load does with the three texts: the analysers in their fixed order, with the kernel-mask result
// handled as the load handles it. Returns the results in analyser order (the mask as the second).
std::vector<int> LoadTrio(CQuorvaneConfiguratorDoc& doc, const std::string& config, const std::string& def,
                          const std::string& kinit)
{
    std::vector<int> r;
    doc.ClearConfigData();
    int type = 0, mode = 0, level = 0;
    r.push_back(doc.AnalyzeCpu(config, type));
    r.push_back(doc.AnalyzeKernelMask(config, type, mode, level));
    if (r.back() == 0) {
        doc.m_confInfo.m_cpu.SetCpuMode(mode);
        doc.m_confInfo.m_cpu.m_nMaskLevel = level;
    }
    r.push_back(doc.AnalyzeTcbNum(config));
    r.push_back(doc.AnalyzeTaskSetting(config));
    r.push_back(doc.AnalyzeFlgNum(config));
    r.push_back(doc.AnalyzeFlgAttr(kinit));
    r.push_back(doc.AnalyzeSemNum(config));
    r.push_back(doc.AnalyzeSemAttr(kinit));
    r.push_back(doc.AnalyzeDtqNum(config));
    r.push_back(doc.AnalyzeDtqAttr(kinit));
    r.push_back(doc.AnalyzeSysTime(config));
    r.push_back(doc.AnalyzeCycNum(config));
    r.push_back(doc.AnalyzeCycAttr(kinit));
    r.push_back(doc.AnalyzeUseObject(def));
    return r;
}

std::string DataFile(const std::string& name)
{
    return CQuorvaneConfiguratorDoc::ReadFileToString(std::string(QV_TEST_DATA_DIR) + "/trio/" + name);
}

class Trio : public AnalyserTest {
protected:
    void SetUp() override
    {
        m_config = DataFile("config.c");
        m_def = DataFile("qvos.def");
        m_kinit = DataFile("kinit.c");
        ASSERT_FALSE(m_config.empty());
        ASSERT_FALSE(m_def.empty());
        ASSERT_FALSE(m_kinit.empty());
        // The files keep their CR LF line ends whatever the checkout does.
        ASSERT_NE(m_config.find("\r\n"), std::string::npos);
        ASSERT_EQ(m_config.find("\n#"), m_config.find("\r\n#") + 1);
    }
    std::string m_config, m_def, m_kinit;
};

TEST_F(Trio, EveryAnalyserSucceeds)
{
    const std::vector<int> results = LoadTrio(m_doc, m_config, m_def, m_kinit);
    const std::vector<int> expected = {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(results, expected);
}

TEST_F(Trio, EveryFieldOfTheConfiguration)
{
    Conf().m_win.SetWinSize(1, 2, 3, 4, 5, 6);
    LoadTrio(m_doc, m_config, m_def, m_kinit);
    const CCData_conf_info& c = Conf();

    EXPECT_EQ(c.m_cpu.m_nCpuType, 9);
    EXPECT_EQ(c.m_cpu.m_nCpuMode, 2);
    EXPECT_EQ(c.m_cpu.m_nMaskLevel, 2);
    EXPECT_EQ(c.m_cpu.m_nStackAlign, 4);

    EXPECT_EQ(c.m_tsk.m_nTskNum, 5);
    EXPECT_EQ(c.m_tsk.m_nTskPriNum, 2);
    const char* names[] = {"main_task", "uart_rx_task", "adc_task", "led_task", "idle_task"};
    const int states[] = {0, 1, 0, 1, 0};
    const int stacks[] = {256, 128, 192, 96, 72};
    for (int i = 0; i < kMaxObjects; ++i) {
        SCOPED_TRACE("task " + std::to_string(i + 1));
        if (i < 5) {
            EXPECT_EQ(c.m_tsk.m_strTskFunc[i], names[i]);
            EXPECT_EQ(c.m_tsk.m_nTskState[i], states[i]);
            EXPECT_EQ(c.m_tsk.m_nStackSize[i], stacks[i]);
            EXPECT_EQ(c.m_tsk.m_nTskSet[i], 1);
        } else {
            EXPECT_EQ(c.m_tsk.m_strTskFunc[i], mbtext::Format("tsk%02d", {i + 1}));
            EXPECT_EQ(c.m_tsk.m_nTskState[i], 0);
            EXPECT_EQ(c.m_tsk.m_nStackSize[i], 128);
            EXPECT_EQ(c.m_tsk.m_nTskSet[i], 0);
        }
    }

    EXPECT_EQ(c.m_flg.m_nUse, 1);
    EXPECT_EQ(c.m_flg.m_nFlgNum, 3);
    const int flgAttr[] = {6, 1, 7};
    for (int i = 0; i < kMaxObjects; ++i) {
        SCOPED_TRACE("event flag " + std::to_string(i + 1));
        EXPECT_EQ(c.m_flg.m_nFlgAttr[i], i < 3 ? flgAttr[i] : 0);
        EXPECT_EQ(c.m_flg.m_nFlgSet[i], i < 3 ? 1 : 0);
    }

    EXPECT_EQ(c.m_sem.m_nUse, 1);
    EXPECT_EQ(c.m_sem.m_nSemNum, 2);
    const int semAttr[] = {0, 1};
    const int semCnt[] = {1, 0};
    for (int i = 0; i < kMaxObjects; ++i) {
        SCOPED_TRACE("semaphore " + std::to_string(i + 1));
        EXPECT_EQ(c.m_sem.m_nSemAttr[i], i < 2 ? semAttr[i] : 0);
        EXPECT_EQ(c.m_sem.m_nSemCnt[i], i < 2 ? semCnt[i] : 1);
        EXPECT_EQ(c.m_sem.m_nSemSet[i], i < 2 ? 1 : 0);
    }

    EXPECT_EQ(c.m_dtq.m_nUse, 1);
    EXPECT_EQ(c.m_dtq.m_nDtqNum, 2);
    const int dtqAttr[] = {1, 0};
    const int dtqCnt[] = {4, 0};
    for (int i = 0; i < kMaxObjects; ++i) {
        SCOPED_TRACE("data queue " + std::to_string(i + 1));
        EXPECT_EQ(c.m_dtq.m_nDtqAttr[i], i < 2 ? dtqAttr[i] : 0);
        EXPECT_EQ(c.m_dtq.m_nDtqCnt[i], i < 2 ? dtqCnt[i] : 0);
        EXPECT_EQ(c.m_dtq.m_nDtqSet[i], i < 2 ? 1 : 0);
    }

    EXPECT_EQ(c.m_tim.m_nUse, 1);
    EXPECT_EQ(c.m_tim.m_nCyclicTime, 10);

    EXPECT_EQ(c.m_cyc.m_nUse, 1);
    EXPECT_EQ(c.m_cyc.m_nCycNum, 2);
    const int cycAttr[] = {1, 0};
    const char* cycNames[] = {"cyc_blink", "cyc_watchdog"};
    const int cycTime[] = {500, 2000};
    for (int i = 0; i < kMaxObjects; ++i) {
        SCOPED_TRACE("cyclic handler " + std::to_string(i + 1));
        EXPECT_EQ(c.m_cyc.m_nCycAttr[i], i < 2 ? cycAttr[i] : 0);
        EXPECT_EQ(c.m_cyc.m_strCycFunc[i], i < 2 ? std::string(cycNames[i]) : mbtext::Format("cychdr%d", {i + 1}));
        EXPECT_EQ(c.m_cyc.m_nCycTime[i], i < 2 ? cycTime[i] : 1000);
        EXPECT_EQ(c.m_cyc.m_nCycSet[i], i < 2 ? 1 : 0);
    }

    // The load leaves the editor's own records alone.
    EXPECT_EQ(c.m_ini.m_nRecentNum, 1);
    EXPECT_EQ(c.m_ini.GetRecentDir(0), "<NONE>");
    EXPECT_EQ(c.m_win.m_nX, 1);
    EXPECT_EQ(c.m_win.m_nBarY, 6);
}

TEST_F(Trio, LoadingTwiceGivesTheSameConfiguration)
{
    LoadTrio(m_doc, m_config, m_def, m_kinit);
    const std::vector<int> again = LoadTrio(m_doc, m_config, m_def, m_kinit);
    EXPECT_EQ(again, (std::vector<int>{1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[2], 1);
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[4], "idle_task");
}

TEST_F(Trio, SameFilesWithLineFeedsOnlyFallBackEverywhere)
{
    auto lf = [](std::string s) {
        std::string out;
        for (char ch : s) {
            if (ch != '\r') out += ch;
        }
        return out;
    };
    const std::vector<int> r = LoadTrio(m_doc, lf(m_config), lf(m_def), lf(m_kinit));
    // The CPU name needs no line; every line-based reading fails and falls back.
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 0x01);
    EXPECT_EQ(r[2], 0);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 2);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, 1);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);
    EXPECT_EQ(Conf().m_flg.GetUse() + Conf().m_sem.GetUse() + Conf().m_dtq.GetUse() + Conf().m_tim.GetUse() +
                  Conf().m_cyc.GetUse(),
              0);
}

TEST_F(Trio, EmptyFilesLeaveTheDefaults)
{
    const std::vector<int> r = LoadTrio(m_doc, "", "", "");
    EXPECT_EQ(r, (std::vector<int>{0, 0x01, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1}));
    const CCData_conf_info fresh;
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, fresh.m_cpu.m_nCpuType);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    // The task tables fall back to the CPU's defaults, marked as set.
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[0], 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[3], 0);
}

}  // namespace
