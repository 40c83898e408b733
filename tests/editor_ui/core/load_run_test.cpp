// Tests of the load's window-free work: clear, the three reads in order, the analysers, and the log lines.
#include "load_log.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../../kernel_config/test_util.h"
#include "doc.h"
#include "english_labels.h"

namespace {

class LoadRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.Path().empty());
        for (const char* name : {"config.c", "qvos.def", "kinit.c"}) {
            testutil::WriteBytes(tmp.File(name), testutil::ReadBytes(std::string(QV_TEST_DATA_DIR) + "/trio/" + name));
        }
    }
    std::vector<std::string> Load(const std::string& config, const std::string& def, const std::string& kinit)
    {
        return loadlog::LoadConfigFiles(doc, config, def, kinit, testlabels::Labels());
    }
    std::vector<std::string> LoadTrio() { return Load(tmp.File("config.c"), tmp.File("qvos.def"), tmp.File("kinit.c")); }
    static std::string Ok(const std::string& path) { return "- File reading \"" + path + "\" : OK"; }

    testutil::TempDir tmp;
    CQuorvaneConfiguratorDoc doc{tmp.Path()};
};

TEST_F(LoadRun, GoodFilesGiveTheHeaderAndThreeReadLinesOnly)
{
    EXPECT_EQ(LoadTrio(), (std::vector<std::string>{"---------- INPUT CONFIG-FILES -----------", Ok(tmp.File("config.c")),
                                                    Ok(tmp.File("qvos.def")), Ok(tmp.File("kinit.c"))}));
    EXPECT_EQ(doc.m_confInfo.m_cpu.m_nCpuType, 9);
    EXPECT_EQ(doc.m_confInfo.m_tsk.m_nTskNum, 5);
}

TEST_F(LoadRun, TheConfigurationIsClearedFirst)
{
    doc.m_confInfo.m_tsk.m_nTskNum = 100;
    doc.m_confInfo.m_tsk.SetTskData(100, 1, 64, "old");
    doc.m_confInfo.m_ini.AddRecentConfig("/r", "/r/config.c", "/r/qvos.def", "/r/kinit.c", "", "", "");
    LoadTrio();
    EXPECT_EQ(doc.m_confInfo.m_tsk.m_nTskSet[99], 0);
    EXPECT_EQ(doc.m_confInfo.m_tsk.m_strTskFunc[99], "tsk100");
    // The recent list is not part of the kernel configuration.
    EXPECT_EQ(doc.m_confInfo.m_ini.GetRecentDir(0), "/r");
}

TEST_F(LoadRun, UnreadableFileGivesItsNgLineAndTheAnalysersFallBack)
{
    testutil::WriteBytes(tmp.File("kinit.c"), "");
    const std::vector<std::string> lines = LoadTrio();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[3], "(E) File reading \"" + tmp.File("kinit.c") + "\" : NG");
    // The warnings that follow are those of the analysers on the same texts, in their order.
    CQuorvaneConfiguratorDoc other(tmp.Path());
    other.ClearConfigData();
    std::vector<std::string> expected;
    for (const LoadWarning& w : AnalyzeLoadedTexts(other, testutil::ReadBytes(tmp.File("config.c")),
                                                   testutil::ReadBytes(tmp.File("qvos.def")), "")) {
        expected.push_back(loadlog::WarningLine(w, testlabels::Labels()));
    }
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), expected);
}

TEST_F(LoadRun, MissingFilesAreReadAsEmptyTextsInOrder)
{
    const std::vector<std::string> lines = Load(tmp.File("no1"), tmp.File("no2"), tmp.File("no3"));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], "(E) File reading \"" + tmp.File("no1") + "\" : NG");
    EXPECT_EQ(lines[2], "(E) File reading \"" + tmp.File("no2") + "\" : NG");
    EXPECT_EQ(lines[3], "(E) File reading \"" + tmp.File("no3") + "\" : NG");
    EXPECT_EQ(lines[4], "(W) Can't analyze CPU.  \"H8/300H Normal mode\" temporary; set it.");
    // The warnings quote the fallbacks held after the analysis.
    const std::string tasks = "(W) Can't analyze Task Number.  \"Task Number=" +
                              std::to_string(doc.m_confInfo.m_tsk.m_nTskNum) + "(Priority Task Number=" +
                              std::to_string(doc.m_confInfo.m_tsk.m_nTskPriNum) + ")\" temporary; set it.";
    EXPECT_NE(std::find(lines.begin(), lines.end(), tasks), lines.end());
    EXPECT_EQ(doc.m_confInfo.m_cpu.m_nCpuType, 1);
}

}  // namespace
