// The writer of the three kernel files: one date for all three, the layout of the definition and
// initialisation files, and the mask of files not written, the others still written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "doc.h"
#include "file_io.h"
#include "test_util.h"
#include "writer.h"

namespace {

TEST(CreateDate, EnglishMonthTwoDigitDayAndYear)
{
    EXPECT_EQ("Dec 06, 2026", MakeCreateDate(2026, 12, 6));
    EXPECT_EQ("Jan 05, 2027", MakeCreateDate(2027, 1, 5));
    EXPECT_EQ("Sep 30, 1999", MakeCreateDate(1999, 9, 30));
    // A month outside the year must not index past the names.
    EXPECT_EQ(" 01, 2026", MakeCreateDate(2026, 0, 1));
    EXPECT_EQ(" 01, 2026", MakeCreateDate(2026, 13, 1));
}

TEST(KernelTexts, AllThreeCarryTheSameDateAndYear)
{
    CCData_conf_info conf;
    const KernelFileTexts texts = MakeKernelFileTexts(conf, 2031, 3, 9);
    for (const std::string* text : {&texts.config, &texts.def, &texts.kinit}) {
        EXPECT_NE(std::string::npos, text->find(" * Created:     Mar 09, 2031\r\n"));
        EXPECT_NE(std::string::npos, text->find(" * Copyright (C) Pellaron, Inc. 2008-2031\r\n"));
    }
    EXPECT_EQ(0u, texts.def.find("#ifndef __QVOS_DEF\r\n#define __QVOS_DEF\r\n/****"));
    EXPECT_EQ("//#define DATAQUE\r\n\r\n#endif\r\n", texts.def.substr(texts.def.size() - 29));
    EXPECT_EQ("}\r\n\r\n", texts.kinit.substr(texts.kinit.size() - 5));
}

// The routine's blocks follow their own order (system time first), unlike the switches of qvos.def.
TEST(KernelTexts, EachFileKeepsItsOwnOrderOfKinds)
{
    CCData_conf_info conf;
    const KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 6);
    const std::string& k = texts.kinit;
    EXPECT_LT(k.find("/* systime initialize"), k.find("/* event flag initialize"));
    EXPECT_LT(k.find("/* event flag initialize"), k.find("/* semaphore initialize"));
    EXPECT_LT(k.find("/* semaphore initialize"), k.find("/* cyclic handler initialize"));
    EXPECT_LT(k.find("/* cyclic handler initialize"), k.find("/* data-que initialize"));
    const std::string& d = texts.def;
    EXPECT_LT(d.find("EVENTFLG\r\n"), d.find("SEMAPHORE\r\n"));
    EXPECT_LT(d.find("SEMAPHORE\r\n"), d.find("SYSTIME\r\n"));
    EXPECT_LT(d.find("SYSTIME\r\n"), d.find("CYC_HDR\r\n"));
    EXPECT_LT(d.find("CYC_HDR\r\n"), d.find("DATAQUE\r\n"));
    const std::string& c = texts.config;
    EXPECT_LT(c.find("SYSTIM_CYCLIC_TIM"), c.find("EVFLG_NUM"));
    EXPECT_LT(c.find("SEM_NUM"), c.find("CYC_NUM"));
    EXPECT_LT(c.find("CYC_NUM"), c.find("DTQ_NUM"));
    EXPECT_LT(c.find("DTQ_NUM"), c.find("Please do not change below."));
}

class WriterFiles : public ::testing::Test {
protected:
    testutil::TempDir m_dir;
    CQuorvaneConfiguratorDoc m_doc{m_dir.Path()};
    std::string m_config = m_dir.File("config.c");
    std::string m_def = m_dir.File("qvos.def");
    std::string m_kinit = m_dir.File("kinit.c");

    static void MakeReadOnly(const std::string& path, const std::string& content)
    {
        testutil::WriteBytes(path, content);
        ::chmod(path.c_str(), 0444);
    }
};

TEST_F(WriterFiles, AllWrittenGivesZeroAndTheTextsOfToday)
{
    fsys::Date before = fsys::LocalToday();
    const int mask = m_doc.WriteConfigFiles(m_config, m_def, m_kinit);
    fsys::Date after = fsys::LocalToday();
    EXPECT_EQ(0, mask);
    // Compare with the texts of the day the writer saw (a run across midnight may see either day).
    const KernelFileTexts a = MakeKernelFileTexts(m_doc.GetConfInfo(), before.year, before.month, before.day);
    const KernelFileTexts b = MakeKernelFileTexts(m_doc.GetConfInfo(), after.year, after.month, after.day);
    const std::string config = testutil::ReadBytes(m_config);
    const bool dayA = config == a.config;
    EXPECT_TRUE(dayA || config == b.config);
    const KernelFileTexts& t = dayA ? a : b;
    EXPECT_EQ(t.def, testutil::ReadBytes(m_def));
    EXPECT_EQ(t.kinit, testutil::ReadBytes(m_kinit));
}

TEST_F(WriterFiles, ReadOnlyConfigIsLeftAloneAndTheOthersAreWritten)
{
    MakeReadOnly(m_config, "old config");
    EXPECT_EQ(1, m_doc.WriteConfigFiles(m_config, m_def, m_kinit));
    EXPECT_EQ("old config", testutil::ReadBytes(m_config));
    EXPECT_EQ(0u, testutil::ReadBytes(m_def).find("#ifndef __QVOS_DEF\r\n"));
    EXPECT_NE(std::string::npos, testutil::ReadBytes(m_kinit).find("void kinit(void)\r\n"));
}

TEST_F(WriterFiles, EachFileHasItsOwnBit)
{
    MakeReadOnly(m_def, "old def");
    EXPECT_EQ(2, m_doc.WriteConfigFiles(m_config, m_def, m_kinit));
    EXPECT_EQ("old def", testutil::ReadBytes(m_def));
    EXPECT_NE(std::string::npos, testutil::ReadBytes(m_config).find("Please do not change below."));

    MakeReadOnly(m_kinit, "old kinit");
    EXPECT_EQ(6, m_doc.WriteConfigFiles(m_config, m_def, m_kinit));
    EXPECT_EQ("old kinit", testutil::ReadBytes(m_kinit));
}

TEST_F(WriterFiles, AllThreeReadOnlyGivesSeven)
{
    MakeReadOnly(m_config, "c");
    MakeReadOnly(m_def, "d");
    MakeReadOnly(m_kinit, "k");
    EXPECT_EQ(7, m_doc.WriteConfigFiles(m_config, m_def, m_kinit));
    EXPECT_EQ("c", testutil::ReadBytes(m_config));
    EXPECT_EQ("d", testutil::ReadBytes(m_def));
    EXPECT_EQ("k", testutil::ReadBytes(m_kinit));
}

TEST_F(WriterFiles, UnwritablePathsSetTheirBitsAndTheOthersAreStillWritten)
{
    const std::string missingFolder = m_dir.File("no/such/folder/qvos.def");
    const std::string folderAsFile = m_dir.Path();
    EXPECT_EQ(2, m_doc.WriteConfigFiles(m_config, missingFolder, m_kinit));
    EXPECT_FALSE(testutil::ReadBytes(m_config).empty());
    EXPECT_FALSE(testutil::ReadBytes(m_kinit).empty());
    EXPECT_EQ(5, m_doc.WriteConfigFiles(folderAsFile, m_def, ""));
    EXPECT_FALSE(testutil::ReadBytes(m_def).empty());
}

TEST_F(WriterFiles, TheConfigurationIsNotChanged)
{
    CCData_conf_info& conf = m_doc.GetConfInfo();
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 2;
    ASSERT_EQ(0, m_doc.WriteConfigFiles(m_config, m_def, m_kinit));
    EXPECT_EQ(0, conf.m_flg.m_nFlgSet[0]);
    EXPECT_EQ(0, conf.m_tsk.m_nTskSet[0]);
    EXPECT_EQ(2, conf.m_flg.m_nFlgNum);
}

}  // namespace
