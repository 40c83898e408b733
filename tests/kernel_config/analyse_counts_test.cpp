// Tests of the five single-number analysers of config.c: four object counts and the system-time cycle.
#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

// One member of the family: its define, its analyser, its field and the value after a reset.
struct CountCase {
    const char* define;
    int (CQuorvaneConfiguratorDoc::*analyse)(std::string);
    int& (*field)(CCData_conf_info&);
    int reset;
    int high;
};

const CountCase kCases[] = {
    {"EVFLG_NUM", &CQuorvaneConfiguratorDoc::AnalyzeFlgNum,
     [](CCData_conf_info& c) -> int& { return c.m_flg.m_nFlgNum; }, 1, 127},
    {"SEM_NUM", &CQuorvaneConfiguratorDoc::AnalyzeSemNum,
     [](CCData_conf_info& c) -> int& { return c.m_sem.m_nSemNum; }, 1, 127},
    {"DTQ_NUM", &CQuorvaneConfiguratorDoc::AnalyzeDtqNum,
     [](CCData_conf_info& c) -> int& { return c.m_dtq.m_nDtqNum; }, 1, 127},
    {"CYC_NUM", &CQuorvaneConfiguratorDoc::AnalyzeCycNum,
     [](CCData_conf_info& c) -> int& { return c.m_cyc.m_nCycNum; }, 1, 127},
    {"SYSTIM_CYCLIC_TIM", &CQuorvaneConfiguratorDoc::AnalyzeSysTime,
     [](CCData_conf_info& c) -> int& { return c.m_tim.m_nCyclicTime; }, 250, INT_MAX},
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.define; }

class CountOf : public AnalyserTest, public ::testing::WithParamInterface<CountCase> {
protected:
    int Run(const std::string& text) { return (m_doc.*GetParam().analyse)(text); }
    int Field() { return GetParam().field(Conf()); }
    std::string Line(const std::string& value)
    {
        return std::string("#define ") + GetParam().define + " " + value + "\r\n";
    }
};

TEST_P(CountOf, StoresTheValueOfItsDefine)
{
    EXPECT_EQ(Field(), GetParam().reset);
    EXPECT_EQ(Run("#ifdef X\r\n" + Line("  7  /* Number */") + "#endif\r\n"), 1);
    EXPECT_EQ(Field(), 7);
    EXPECT_EQ(Run(Line("1")), 1);
    EXPECT_EQ(Field(), 1);
}

TEST_P(CountOf, NumbersOutsideTheRangeAreNotStored)
{
    std::vector<std::string> values = {"0", "-2", "abc", "-99999999999"};
    if (GetParam().high != INT_MAX) {
        // 4294967299 would wrap to 3 in 32 bits; the cycle has no upper bound.
        values.insert(values.end(), {"128", "4294967299"});
    }
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Run(Line(value)), 0);
        EXPECT_EQ(Field(), GetParam().reset);
    }
}

TEST_P(CountOf, MissingOrUnendedDefineIsAFailure)
{
    EXPECT_EQ(Run(""), 0);
    EXPECT_EQ(Run("#define OTHER 5\r\n"), 0);
    EXPECT_EQ(Run(std::string("#define ") + GetParam().define + " 5"), 0);
    EXPECT_EQ(Run(std::string("#define ") + GetParam().define + "\r\n"), 0);
    EXPECT_EQ(Run("/* " + Line("5") + " */"), 0);
    EXPECT_EQ(Field(), GetParam().reset);
}

TEST_P(CountOf, FirstLineHoldingTheNameWins)
{
    EXPECT_EQ(Run(std::string("#define MAX_") + GetParam().define + " 9\r\n" + Line("2")), 1);
    EXPECT_EQ(Field(), 9);
}

TEST_P(CountOf, TouchesNothingElse)
{
    EXPECT_EQ(Run(Line("3")), 1);
    CCData_conf_info fresh;
    GetParam().field(fresh) = 3;
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, fresh.m_flg.m_nFlgNum);
    EXPECT_EQ(Conf().m_sem.m_nSemNum, fresh.m_sem.m_nSemNum);
    EXPECT_EQ(Conf().m_dtq.m_nDtqNum, fresh.m_dtq.m_nDtqNum);
    EXPECT_EQ(Conf().m_cyc.m_nCycNum, fresh.m_cyc.m_nCycNum);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, fresh.m_tim.m_nCyclicTime);
    EXPECT_EQ(Conf().m_flg.GetUse() + Conf().m_sem.GetUse() + Conf().m_dtq.GetUse() + Conf().m_cyc.GetUse() +
                  Conf().m_tim.GetUse(),
              0);
}

INSTANTIATE_TEST_SUITE_P(Family, CountOf, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CountCase>& info) {
                             std::string name = info.param.define;
                             std::string out;
                             for (char c : name) {
                                 if (c != '_') out += c;
                             }
                             return out;
                         });

using SysTime = AnalyserTest;

TEST_F(SysTime, WrittenCycleAndNoUpperBound)
{
    EXPECT_EQ(m_doc.AnalyzeSysTime("#define SYSTIM_CYCLIC_TIM   1000uL        /* systim time(msec) */\r\n"), 1);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 1000);
    EXPECT_EQ(m_doc.AnalyzeSysTime("#define SYSTIM_CYCLIC_TIM 100000uL\r\n"), 1);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 100000);
    // Past the int range the number saturates instead of wrapping to something small.
    EXPECT_EQ(m_doc.AnalyzeSysTime("#define SYSTIM_CYCLIC_TIM 99999999999uL\r\n"), 1);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, INT_MAX);
}

}  // namespace
