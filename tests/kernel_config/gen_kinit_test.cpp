// Block generators of qvos.def and kinit.c: use switches, attribute words, declarations, buffers and the
// creation blocks, in use and not in use.
#include <gtest/gtest.h>

#include <string>

#include "conf_info.h"

namespace {

int CountOf(const std::string& text, const std::string& pat)
{
    int n = 0;
    for (std::size_t pos = text.find(pat); pos != std::string::npos; pos = text.find(pat, pos + pat.size())) ++n;
    return n;
}

TEST(UseSwitch, OnlyAUseFlagOfExactlyOneSwitchesAKindOn)
{
    CCData_conf_info conf;
    EXPECT_EQ("//#define EVENTFLG\r\n", conf.m_flg.MakeUseDef());
    EXPECT_EQ("//#define SEMAPHORE\r\n", conf.m_sem.MakeUseDef());
    EXPECT_EQ("//#define SYSTIME\r\n", conf.m_tim.MakeUseDef());
    EXPECT_EQ("//#define CYC_HDR\r\n", conf.m_cyc.MakeUseDef());
    EXPECT_EQ("//#define DATAQUE\r\n", conf.m_dtq.MakeUseDef());
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
    conf.m_dtq.SetUse(1);
    EXPECT_EQ("#define EVENTFLG\r\n", conf.m_flg.MakeUseDef());
    EXPECT_EQ("#define SEMAPHORE\r\n", conf.m_sem.MakeUseDef());
    EXPECT_EQ("#define SYSTIME\r\n", conf.m_tim.MakeUseDef());
    EXPECT_EQ("#define CYC_HDR\r\n", conf.m_cyc.MakeUseDef());
    EXPECT_EQ("#define DATAQUE\r\n", conf.m_dtq.MakeUseDef());
    conf.m_sem.SetUse(2);
    EXPECT_EQ("//#define SEMAPHORE\r\n", conf.m_sem.MakeUseDef());
    EXPECT_EQ(0u, conf.m_sem.MakeKinit().find("    /* semaphore initialize  */\r\n/*  sem_init();"));
}

TEST(EventFlags, AttributeTextIsAlways46CharactersInWordOrder)
{
    CCData_conf_info_flg flg;
    flg.SetUse(1);
    flg.m_nFlgNum = 8;
    for (int attr = 0; attr < 8; ++attr) flg.m_nFlgAttr[attr] = attr;
    const std::string text = flg.MakeKinit();
    for (int id = 1; id <= 8; ++id) {
        const std::string head = "    EVTFLG_ATTR((UB)" + std::to_string(id) + "u, ";
        const std::size_t at = text.find(head);
        ASSERT_NE(std::string::npos, at) << id;
        const std::size_t from = at + head.size();
        EXPECT_EQ(");\r\n", text.substr(from + 46, 4)) << id;
    }
    EXPECT_NE(std::string::npos, text.find("EVTFLG_ATTR((UB)1u, (EVFLG_TA_OR  |                EVFLG_TA_TPRI ));\r\n"));
    EXPECT_NE(std::string::npos, text.find("EVTFLG_ATTR((UB)8u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TFIFO));\r\n"));
    EXPECT_NE(std::string::npos, text.find("EVTFLG_ATTR((UB)5u, (EVFLG_TA_AND |                EVFLG_TA_TPRI ));\r\n"));
    EXPECT_NE(std::string::npos, text.find("EVTFLG_ATTR((UB)4u, (EVFLG_TA_OR  | EVFLG_TA_CLR | EVFLG_TA_TFIFO));\r\n"));
    EXPECT_EQ(0u, text.find("    /* event flag initialize  */\r\n    evtflg_init();\r\n"));
    EXPECT_EQ("\r\n\r\n", text.substr(text.size() - 4));
}

TEST(Semaphores, WordsAndInitialCounts)
{
    CCData_conf_info_sem sem;
    sem.SetUse(1);
    sem.m_nSemNum = 2;
    sem.SetSemData(1, 1, 0);
    sem.SetSemData(2, 0, -4);
    EXPECT_EQ("    /* semaphore initialize  */\r\n    sem_init();\r\n    SEM_ATTR((UB)1u, 0, SEM_TA_TFIFO);\r\n"
              "    SEM_ATTR((UB)2u, -4, SEM_TA_TPRI );\r\n\r\n",
              sem.MakeKinit());
}

TEST(CyclicHandlers, DeclarationsAndCallsCarryTheNamesAsTheyStand)
{
    CCData_conf_info_cyc cyc;
    EXPECT_EQ("/* -------- cyclic handler -------- */\r\n/* extern void cychdr1(UB cid); */\r\n"
              "/* extern void cychdr2(UB cid); */\r\n/* extern void cychdr3(UB cid); */\r\n\r\n",
              cyc.MakeCycExtern());
    cyc.SetUse(1);
    cyc.m_nCycNum = 2;
    cyc.SetCycData(2, 1, "h%s%n", 5);
    EXPECT_EQ("/* -------- cyclic handler -------- */\r\nextern void cychdr1(UB cid);\r\nextern void h%s%n(UB cid);\r\n\r\n",
              cyc.MakeCycExtern());
    EXPECT_EQ("    /* cyclic handler initialize  */\r\n    cyc_init();\r\n"
              "    CYC_ATTR((UB)1u, (CYC_TA_NON), cychdr1, 1000L);\r\n"
              "    CYC_ATTR((UB)2u, (CYC_TA_STA), h%s%n, 5L);\r\n\r\n",
              cyc.MakeKinit());
}

TEST(DataQueues, QueuesWithoutDataGetASizeButNoBuffer)
{
    CCData_conf_info_dtq dtq;
    dtq.SetUse(1);
    dtq.m_nDtqNum = 2;
    dtq.SetDtqData(1, 0, 0);
    dtq.SetDtqData(2, 1, 5);
    EXPECT_EQ("/* -------- data que -------------- */\r\n#define DTQ1_SIZE  0\r\n#define DTQ2_SIZE  5\r\n"
              "W knl_dtq2[DTQ2_SIZE];\r\n\r\n",
              dtq.MakeDtqBuffer());
    EXPECT_EQ("    /* data-que initialize  */\r\n    dtq_init();\r\n"
              "    DTQ_ATTR((UB)1u, (UB)DTQ_TA_TPRI,  (B)DTQ1_SIZE, 0);\r\n"
              "    DTQ_ATTR((UB)2u, (UB)DTQ_TA_TFIFO, (B)DTQ2_SIZE, knl_dtq2);\r\n\r\n",
              dtq.MakeKinit());
    dtq.SetUse(0);
    EXPECT_EQ("/* -------- data que -------------- */\r\n/* #define DTQ1_SIZE  1 */\r\n/* #define DTQ2_SIZE  2 */\r\n"
              "/* W knl_dtq1[DTQ1_SIZE]; */\r\n/* W knl_dtq2[DTQ2_SIZE]; */\r\n\r\n",
              dtq.MakeDtqBuffer());
}

TEST(SystemTime, OnlyTheStartCallDependsOnTheUseFlag)
{
    CCData_conf_info_tim tim;
    EXPECT_EQ("    /* systime initialize  */\r\n/*  systim_init(); */\r\n\r\n", tim.MakeKinit());
    tim.SetUse(1);
    EXPECT_EQ("    /* systime initialize  */\r\n    systim_init();\r\n\r\n", tim.MakeKinit());
}

// Counts outside 1..127 must not read past the 127 slots of the tables.
TEST(ObjectTables, CountsBeyondTheTableStopAtItsEnd)
{
    CCData_conf_info conf;
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_cyc.SetUse(1);
    conf.m_dtq.SetUse(1);
    conf.m_flg.m_nFlgNum = 1000;
    conf.m_sem.m_nSemNum = 128;
    conf.m_cyc.m_nCycNum = 400;
    conf.m_dtq.m_nDtqNum = 130;
    for (int i = 0; i < kMaxObjects; ++i) conf.m_dtq.m_nDtqCnt[i] = 1;
    EXPECT_EQ(127, CountOf(conf.m_flg.MakeKinit(), "EVTFLG_ATTR("));
    EXPECT_EQ(127, CountOf(conf.m_sem.MakeKinit(), "SEM_ATTR("));
    EXPECT_EQ(127, CountOf(conf.m_cyc.MakeKinit(), "CYC_ATTR("));
    EXPECT_EQ(127, CountOf(conf.m_cyc.MakeCycExtern(), "extern void"));
    EXPECT_EQ(127, CountOf(conf.m_dtq.MakeKinit(), "DTQ_ATTR("));
    EXPECT_EQ(127, CountOf(conf.m_dtq.MakeDtqBuffer(), "W knl_dtq"));
    conf.m_flg.m_nFlgNum = 0;
    EXPECT_EQ("    /* event flag initialize  */\r\n    evtflg_init();\r\n\r\n", conf.m_flg.MakeKinit());
}

}  // namespace
