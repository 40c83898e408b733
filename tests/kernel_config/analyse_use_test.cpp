// Tests of the use-switch analysis of qvos.def.
#include <string>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

class UseSwitches : public AnalyserTest {
protected:
    // The five use flags in the order event flags, semaphores, data queues, system time, cyclic handlers.
    std::string Flags()
    {
        std::string s;
        for (const CCData_conf_info_base* r : {static_cast<const CCData_conf_info_base*>(&Conf().m_flg),
                                               static_cast<const CCData_conf_info_base*>(&Conf().m_sem),
                                               static_cast<const CCData_conf_info_base*>(&Conf().m_dtq),
                                               static_cast<const CCData_conf_info_base*>(&Conf().m_tim),
                                               static_cast<const CCData_conf_info_base*>(&Conf().m_cyc)}) {
            s += std::to_string(r->GetUse());
        }
        return s;
    }
    void AllOn()
    {
        Conf().m_flg.SetUse(1);
        Conf().m_sem.SetUse(1);
        Conf().m_dtq.SetUse(1);
        Conf().m_tim.SetUse(1);
        Conf().m_cyc.SetUse(1);
    }
};

TEST_F(UseSwitches, WrittenSwitchBlock)
{
    AllOn();
    const std::string text = "#ifndef __QVOS_DEF\r\n#define __QVOS_DEF\r\n"
                             "/*------ configuration define  -----------------*/\r\n"
                             "#define EVENTFLG\r\n//#define SEMAPHORE\r\n//#define SYSTIME\r\n#define CYC_HDR\r\n"
                             "//#define DATAQUE\r\n\r\n#endif\r\n";
    EXPECT_EQ(m_doc.AnalyzeUseObject(text), 1);
    EXPECT_EQ(Flags(), "10001");
}

TEST_F(UseSwitches, BlanksAroundTheNameAndBeforeDefineDoNotMatter)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("  #define   SEMAPHORE  \r\n\tx #define\tDATAQUE\r\n#defineSYSTIME\r\n"), 1);
    EXPECT_EQ(Flags(), "01110");
}

TEST_F(UseSwitches, OnlyABareExactNameSwitches)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define EVENTFLG 1\r\n#define EVENTFLGS\r\n#define eventflg\r\n"
                                      "#define SEMAPHORE_X\r\n#ifdef CYC_HDR\r\n"),
              1);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(UseSwitches, LastLineWithoutLineEndIsNotRead)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define SYSTIME\r\n#define DATAQUE"), 1);
    EXPECT_EQ(Flags(), "00010");
}

TEST_F(UseSwitches, LineFeedOnlyOrEmptyFilesSwitchEverythingOff)
{
    AllOn();
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define EVENTFLG\n#define SEMAPHORE\n"), 1);
    EXPECT_EQ(Flags(), "00000");
    AllOn();
    EXPECT_EQ(m_doc.AnalyzeUseObject(""), 1);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(UseSwitches, LineCommentBehindASwitchSwallowsTheNextLine)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define EVENTFLG // on\r\n#define SEMAPHORE\r\n#define CYC_HDR\r\n"), 1);
    EXPECT_EQ(Flags(), "00001");
}

TEST_F(UseSwitches, BlockCommentsGoBeforeTheLinesAreRead)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define EVENTFLG /* on */\r\n/*\r\n#define SEMAPHORE\r\n*/\r\n"), 1);
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(UseSwitches, ConditionsAreIgnoredAndRepeatsCountOnce)
{
    EXPECT_EQ(m_doc.AnalyzeUseObject("#if 0\r\n#define DATAQUE\r\n#endif\r\n#define DATAQUE\r\n"), 1);
    EXPECT_EQ(Flags(), "00100");
}

TEST_F(UseSwitches, NothingButTheUseFlagsChanges)
{
    Conf().m_sem.m_nSemNum = 9;
    Conf().m_tim.m_nCyclicTime = 33;
    EXPECT_EQ(m_doc.AnalyzeUseObject("#define SEMAPHORE\r\n"), 1);
    EXPECT_EQ(Conf().m_sem.m_nSemNum, 9);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 33);
}

}  // namespace
