// Tests of the configuration model: defaults, resets and setters.
#include <gtest/gtest.h>

#include "conf_info.h"
#include "doc.h"
#include "test_util.h"

namespace {

TEST(Model, FreshConfigurationHoldsTheDefaults)
{
    CCData_conf_info c;
    EXPECT_EQ(c.m_cpu.m_nCpuType, 1);
    EXPECT_EQ(c.m_cpu.m_nCpuMode, 1);
    EXPECT_EQ(c.m_cpu.m_nMaskLevel, 1);
    EXPECT_EQ(c.m_cpu.m_nStackAlign, 4);
    EXPECT_EQ(c.m_tsk.GetTskNum(), 3);
    EXPECT_EQ(c.m_tsk.m_nTskPriNum, 0);
    EXPECT_EQ(c.m_tsk.GetTskFunc(1), "tsk01");
    EXPECT_EQ(c.m_tsk.GetTskFunc(9), "tsk09");
    EXPECT_EQ(c.m_tsk.GetTskFunc(10), "tsk10");
    EXPECT_EQ(c.m_tsk.GetTskFunc(127), "tsk127");
    for (int id = 1; id <= kMaxObjects; ++id) {
        EXPECT_EQ(c.m_tsk.m_nStackSize[id - 1], 128);
        EXPECT_EQ(c.m_tsk.m_nTskState[id - 1], 0);
        EXPECT_EQ(c.m_tsk.m_nTskSet[id - 1], 0);
        EXPECT_EQ(c.m_sem.m_nSemCnt[id - 1], 1);
        EXPECT_EQ(c.m_dtq.m_nDtqCnt[id - 1], 0);
        EXPECT_EQ(c.m_cyc.m_nCycTime[id - 1], 1000);
    }
    const CCData_conf_info_base* kinds[] = {&c.m_flg, &c.m_sem, &c.m_dtq, &c.m_tim, &c.m_cyc};
    for (const auto* kind : kinds) EXPECT_EQ(kind->GetUse(), 0);
    EXPECT_EQ(c.m_flg.m_nFlgNum, 1);
    EXPECT_EQ(c.m_sem.m_nSemNum, 1);
    EXPECT_EQ(c.m_dtq.m_nDtqNum, 1);
    EXPECT_EQ(c.m_cyc.m_nCycNum, 1);
    EXPECT_EQ(c.m_cyc.GetCycFunc(5), "cychdr5");
    EXPECT_EQ(c.m_cyc.GetCycFunc(127), "cychdr127");
    EXPECT_EQ(c.m_tim.m_nCyclicTime, 250);
    EXPECT_EQ(c.m_ini.m_nRecentNum, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.m_ini.GetRecentDir(i), "<NONE>");
        EXPECT_EQ(c.m_ini.GetRecentInConfig(i), "");
        EXPECT_EQ(c.m_ini.GetRecentOutKinit(i), "");
    }
    int x, y, w, h, bx, by;
    c.m_win.GetWinSize(x, y, w, h, bx, by);
    EXPECT_EQ((std::vector<int>{x, y, w, h, bx, by}), (std::vector<int>{0, 0, 680, 550, 100, 320}));
}

// Changes one field of every record so that resets can be checked.
void Scribble(CCData_conf_info& c)
{
    c.m_cpu.SetCpuType(16);
    c.m_tsk.m_nTskNum = 20;
    c.m_tsk.m_nTskPriNum = 4;
    c.m_tsk.SetTskData(7, 1, 512, "worker");
    c.m_flg.SetUse(1);
    c.m_flg.m_nFlgNum = 9;
    c.m_flg.m_nFlgAttr[0] = 7;
    c.m_sem.SetUse(1);
    c.m_sem.SetSemData(3, 1, 5);
    c.m_dtq.SetUse(1);
    c.m_dtq.SetDtqData(2, 1, 16);
    c.m_tim.SetUse(1);
    c.m_tim.m_nCyclicTime = 10;
    c.m_cyc.SetUse(1);
    c.m_cyc.SetCycData(4, 1, "tick", 50);
    c.m_ini.m_nRecentNum = 2;
    c.m_ini.SetRecentDir(0, "/work/a");
    c.m_win.SetWinSize(5, 6, 700, 600, 120, 300);
}

void ExpectKernelPartIsDefault(const CCData_conf_info& c)
{
    const CCData_conf_info fresh;
    EXPECT_EQ(c.m_cpu.m_nCpuType, 1);
    EXPECT_EQ(c.m_cpu.m_nCpuMode, 1);
    EXPECT_EQ(c.m_tsk.m_nTskNum, 3);
    EXPECT_EQ(c.m_tsk.m_nTskPriNum, 0);
    EXPECT_EQ(c.m_tsk.m_nStackSize, fresh.m_tsk.m_nStackSize);
    EXPECT_EQ(c.m_tsk.m_strTskFunc, fresh.m_tsk.m_strTskFunc);
    EXPECT_EQ(c.m_tsk.m_nTskSet, fresh.m_tsk.m_nTskSet);
    EXPECT_EQ(c.m_flg.GetUse(), 0);
    EXPECT_EQ(c.m_flg.m_nFlgNum, 1);
    EXPECT_EQ(c.m_flg.m_nFlgAttr, fresh.m_flg.m_nFlgAttr);
    EXPECT_EQ(c.m_sem.m_nSemCnt, fresh.m_sem.m_nSemCnt);
    EXPECT_EQ(c.m_sem.m_nSemSet, fresh.m_sem.m_nSemSet);
    EXPECT_EQ(c.m_dtq.m_nDtqCnt, fresh.m_dtq.m_nDtqCnt);
    EXPECT_EQ(c.m_tim.GetUse(), 0);
    EXPECT_EQ(c.m_tim.m_nCyclicTime, 250);
    EXPECT_EQ(c.m_cyc.m_strCycFunc, fresh.m_cyc.m_strCycFunc);
    EXPECT_EQ(c.m_cyc.m_nCycTime, fresh.m_cyc.m_nCycTime);
}

TEST(Model, ClearConfigDataKeepsRecentListAndLayout)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    Scribble(doc.m_confInfo);
    doc.ClearConfigData();
    ExpectKernelPartIsDefault(doc.m_confInfo);
    EXPECT_EQ(doc.m_confInfo.m_ini.m_nRecentNum, 2);
    EXPECT_EQ(doc.m_confInfo.m_ini.GetRecentDir(0), "/work/a");
    EXPECT_EQ(doc.m_confInfo.m_win.m_nWidth, 700);
    EXPECT_EQ(doc.m_confInfo.m_win.m_nBarY, 300);
}

TEST(Model, WholeResetRestoresLayoutButNotRecentList)
{
    CCData_conf_info c;
    Scribble(c);
    c.InitData();
    ExpectKernelPartIsDefault(c);
    EXPECT_EQ(c.m_win.m_nX, 0);
    EXPECT_EQ(c.m_win.m_nWidth, 680);
    EXPECT_EQ(c.m_ini.m_nRecentNum, 2);
    EXPECT_EQ(c.m_ini.GetRecentDir(0), "/work/a");
}

TEST(Model, SettersTouchOneSlotAndMarkItUserSet)
{
    CCData_conf_info c;
    c.m_tsk.SetTskData(127, 1, 256, "last");
    EXPECT_EQ(c.m_tsk.GetTskFunc(127), "last");
    EXPECT_EQ(c.m_tsk.m_nStackSize[126], 256);
    EXPECT_EQ(c.m_tsk.m_nTskState[126], 1);
    EXPECT_EQ(c.m_tsk.m_nTskSet[126], 1);
    EXPECT_EQ(c.m_tsk.GetTskFunc(126), "tsk126");
    EXPECT_EQ(c.m_tsk.m_nTskSet[125], 0);

    // Storing the default values still marks the entry as set.
    c.m_sem.SetSemData(1, 0, 1);
    c.m_dtq.SetDtqData(1, 0, 0);
    c.m_cyc.SetCycData(1, 0, "cychdr1", 1000);
    c.m_tsk.SetTskData(1, 0, 128, "tsk01");
    EXPECT_EQ(c.m_sem.m_nSemSet[0], 1);
    EXPECT_EQ(c.m_dtq.m_nDtqSet[0], 1);
    EXPECT_EQ(c.m_cyc.m_nCycSet[0], 1);
    EXPECT_EQ(c.m_tsk.m_nTskSet[0], 1);
    EXPECT_EQ(c.m_sem.m_nSemSet[1], 0);

    c.m_cyc.SetCycData(127, 1, "%s%n", 5);
    EXPECT_EQ(c.m_cyc.GetCycFunc(127), "%s%n");
    EXPECT_EQ(c.m_cyc.m_nCycTime[126], 5);
}

}  // namespace
