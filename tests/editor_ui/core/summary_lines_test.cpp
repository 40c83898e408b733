// Tests of the navigation tree's summary lines with the English labels.
#include <gtest/gtest.h>
#include <map>

#include "summary_lines.h"

namespace {

std::string English(int id)
{
    static const std::map<int, std::string> labels = {
        {3002, "Wait Que"},      {3003, "Priority"},         {3004, "FIFO"},        {3102, "Ready"},
        {3103, "Waiting(SLP)"},  {3104, "Priority Task"},    {3105, "Rotation Task"}, {3106, "Stack Size"},
        {3110, "Priority"},      {3203, "Wait Off Attr"},    {3204, "CLR"},         {3206, "O"},
        {3207, "AND"},           {3208, "OR"},               {3303, "Init Semaphore Number"},
        {3306, "Data Number"},   {3310, "CYCLIC Time"},      {3311, "Init Start Attr"},
        {3312, "Start"},         {3313, "Stop"},             {3404, "Enable"},      {3405, "Disable"}};
    const auto it = labels.find(id);
    return it == labels.end() ? "?" + std::to_string(id) : it->second;
}

TEST(SummaryLines, DefaultTaskIsARotationTask)
{
    CCData_conf_info c;
    EXPECT_EQ(summary::TaskLine(c.m_tsk, 1, English), "1 - Rotation Task - Priority=1 - tsk01 - Ready - Stack Size=128");
}

TEST(SummaryLines, PriorityTasksTakeTheirIdRotationTasksShareOnePriority)
{
    CCData_conf_info c;
    c.m_tsk.m_nTskNum = 5;
    c.m_tsk.m_nTskPriNum = 2;
    c.m_tsk.SetTskData(2, 1, 256, "io");
    EXPECT_EQ(summary::TaskLine(c.m_tsk, 1, English), "1 - Priority Task - Priority=1 - tsk01 - Ready - Stack Size=128");
    EXPECT_EQ(summary::TaskLine(c.m_tsk, 2, English), "2 - Priority Task - Priority=2 - io - Waiting(SLP) - Stack Size=256");
    for (int id = 3; id <= 5; ++id) {
        EXPECT_NE(summary::TaskLine(c.m_tsk, id, English).find("Rotation Task - Priority=3 - "), std::string::npos);
    }
    c.m_tsk.m_nTskPriNum = 5;
    EXPECT_EQ(summary::TaskLine(c.m_tsk, 5, English), "5 - Priority Task - Priority=5 - tsk05 - Ready - Stack Size=128");
    // Only bit 0 of the state decides, and a name holding format characters is shown as it stands.
    c.m_tsk.SetTskData(4, 2, 64, "%s%n");
    EXPECT_EQ(summary::TaskLine(c.m_tsk, 4, English), "4 - Priority Task - Priority=4 - %s%n - Ready - Stack Size=64");
}

TEST(SummaryLines, EventFlagAttributes)
{
    CCData_conf_info c;
    EXPECT_EQ(summary::FlgLine(c.m_flg, 1, English), "1 - Wait Off Attr=OR - CLR=x - Wait Que=Priority");
    c.m_flg.m_nFlgAttr[1] = 7;
    EXPECT_EQ(summary::FlgLine(c.m_flg, 2, English), "2 - Wait Off Attr=AND - CLR=O - Wait Que=FIFO");
}

TEST(SummaryLines, SemaphoreAndDataQueue)
{
    CCData_conf_info c;
    c.m_sem.SetSemData(3, 1, 4);
    EXPECT_EQ(summary::SemLine(c.m_sem, 3, English), "3 - Init Semaphore Number=4 - Wait Que=FIFO");
    EXPECT_EQ(summary::SemLine(c.m_sem, 1, English), "1 - Init Semaphore Number=1 - Wait Que=Priority");
    c.m_dtq.SetDtqData(127, 0, 16);
    EXPECT_EQ(summary::DtqLine(c.m_dtq, 127, English), "127 - Data Number=16 - Wait Que=Priority");
}

TEST(SummaryLines, SystemTimeAndUseLines)
{
    CCData_conf_info c;
    EXPECT_EQ(summary::SysTimLine(c.m_tim, English), "Disable");
    c.m_tim.SetUse(1);
    EXPECT_EQ(summary::SysTimLine(c.m_tim, English), "Enable - 250 msec");
    EXPECT_EQ(summary::UseLine(1, English), "Enable");
    EXPECT_EQ(summary::UseLine(0, English), "Disable");
    EXPECT_EQ(summary::UseLine(2, English), "Disable");
    c.m_tim.SetUse(2);
    EXPECT_EQ(summary::SysTimLine(c.m_tim, English), "Disable");
}

TEST(SummaryLines, CyclicHandler)
{
    CCData_conf_info c;
    EXPECT_EQ(summary::CycLine(c.m_cyc, 1, English), "1 - cychdr1 - CYCLIC Time=1000 - Init Start Attr=Stop");
    c.m_cyc.SetCycData(2, 1, "tick", 10);
    EXPECT_EQ(summary::CycLine(c.m_cyc, 2, English), "2 - tick - CYCLIC Time=10 - Init Start Attr=Start");
}

}  // namespace
