// Tests of the output command's window-free work: backup, warning, write and summary lines with their
// counts, the user-set flags the warnings set, and whole runs into a temporary folder.
#include "output_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "../../kernel_config/test_util.h"
#include "doc.h"
#include "english_labels.h"

namespace {

using outputlog::OutputLog;
using Lines = std::vector<std::string>;

std::string TaskDefault(int id) { return "(W) Task of ID=" + std::to_string(id) + " is default setting"; }
std::string StackInvalid(int id) { return "(W) Stack size of ID=" + std::to_string(id) + " is invalid"; }
std::string Written(const std::string& p) { return "- Create CONFIG-FILE : \"" + p + "\""; }
std::string NotWritten(const std::string& p) { return "(E) Can't create CONFIG-FILE : \"" + p + "\""; }
std::string BackupMade(const std::string& p) { return "- Create backup file : \"" + p + "\""; }
std::string BackupFailed(const std::string& p) { return "(E) Can't create backup file : \"" + p + "\""; }
const char* const kHeader = "---------- OUTPUT CONFIG-FILES ----------";

// Every task and entry set by the user, every kind off: a configuration that gives no warning.
void MarkAllSet(CCData_conf_info& conf)
{
    conf.m_tsk.m_nTskSet.fill(1);
    conf.m_flg.m_nFlgSet.fill(1);
    conf.m_sem.m_nSemSet.fill(1);
    conf.m_dtq.m_nDtqSet.fill(1);
    conf.m_cyc.m_nCycSet.fill(1);
}

TEST(OutputLines, BackupResultsGiveNothingAnErrorOrTheBackupName)
{
    const LabelLookup en = testlabels::Labels();
    OutputLog log;
    outputlog::AddBackupLine(log, "/d/config.c", "non", en);
    EXPECT_TRUE(log.lines.empty());
    outputlog::AddBackupLine(log, "/d/config.c", "err", en);
    outputlog::AddBackupLine(log, "/d/kinit.c", "/d/kinit.c.bk002", en);
    EXPECT_EQ(log.lines, (Lines{BackupFailed("/d/config.c"), BackupMade("/d/kinit.c.bk002")}));
    EXPECT_EQ(log.errors, 1);
    EXPECT_EQ(log.warnings, 0);
}

TEST(OutputLines, WriteMaskGivesOneLinePerFileInOrderAndCountsFailures)
{
    const LabelLookup en = testlabels::Labels();
    for (int mask = 0; mask < 8; ++mask) {
        OutputLog log;
        outputlog::AddWriteLines(log, "/o/config.c", "/o/qvos.def", "/o/kinit.c", mask, en);
        ASSERT_EQ(log.lines.size(), 3u);
        EXPECT_EQ(log.lines[0], (mask & 1) ? NotWritten("/o/config.c") : Written("/o/config.c"));
        EXPECT_EQ(log.lines[1], (mask & 2) ? NotWritten("/o/qvos.def") : Written("/o/qvos.def"));
        EXPECT_EQ(log.lines[2], (mask & 4) ? NotWritten("/o/kinit.c") : Written("/o/kinit.c"));
        EXPECT_EQ(log.errors, (mask & 1) + ((mask >> 1) & 1) + ((mask >> 2) & 1));
    }
}

TEST(OutputLines, PathsWithFormatCharactersAreWrittenAsTheyStand)
{
    OutputLog log;
    outputlog::AddWriteLines(log, "/o/%s%n/config.c", "/o/%d.def", "/o/%%.c", 2, testlabels::Labels());
    EXPECT_EQ(log.lines, (Lines{Written("/o/%s%n/config.c"), NotWritten("/o/%d.def"), Written("/o/%%.c")}));
}

TEST(OutputLines, SummaryKeepsTheSystemsSpellingAndCountsErrorsThenWarnings)
{
    OutputLog log;
    log.errors = 2;
    log.warnings = 13;
    EXPECT_EQ(outputlog::SummaryLine(log, testlabels::Labels()), "OUTPUT CONFIG-FILES - error 2, wornning 13");
    EXPECT_EQ(outputlog::SummaryLine(log, testlabels::Labels(StringLang::Japanese)),
              "構成ファイル出力 - エラー 2、警告 13");
}

class OutputWarnings : public ::testing::Test {
protected:
    Lines Warn()
    {
        log = OutputLog();
        outputlog::AddWarningLines(log, conf, testlabels::Labels());
        return log.lines;
    }
    CCData_conf_info conf;
    OutputLog log;
};

TEST_F(OutputWarnings, DefaultTasksWithSmallStacksWarnTwiceEachInIdOrder)
{
    const int minStack = conf.m_cpu.GetMinStackSize();
    ASSERT_GT(minStack, 1);
    conf.m_tsk.m_nStackSize.fill(minStack - 1);
    EXPECT_EQ(Warn(), (Lines{TaskDefault(1), StackInvalid(1), TaskDefault(2), StackInvalid(2), TaskDefault(3),
                             StackInvalid(3)}));
    EXPECT_EQ(log.warnings, 6);
    // The flags of the tasks warned about are set; those beyond the count are not.
    for (int id = 1; id <= 3; ++id) EXPECT_EQ(conf.m_tsk.m_nTskSet[id - 1], 1) << id;
    EXPECT_EQ(conf.m_tsk.m_nTskSet[3], 0);
    // A second run only repeats the stack warnings.
    EXPECT_EQ(Warn(), (Lines{StackInvalid(1), StackInvalid(2), StackInvalid(3)}));
    EXPECT_EQ(log.warnings, 3);
}

TEST_F(OutputWarnings, StackEqualToTheMinimumIsFineAndTheComparisonIsSigned)
{
    MarkAllSet(conf);
    const int minStack = conf.m_cpu.GetMinStackSize();
    conf.m_tsk.m_nStackSize[0] = minStack;
    conf.m_tsk.m_nStackSize[1] = -5;
    conf.m_tsk.m_nStackSize[2] = minStack + 1;
    EXPECT_EQ(Warn(), Lines{StackInvalid(2)});
    EXPECT_EQ(log.warnings, 1);
}

TEST_F(OutputWarnings, MinimumFollowsTheCpu)
{
    MarkAllSet(conf);
    conf.m_tsk.m_nTskNum = 1;
    for (int type = 0; type <= 30; ++type) {
        conf.m_cpu.SetCpuType(type);
        const int minStack = conf.m_cpu.GetMinStackSize();
        conf.m_tsk.m_nStackSize[0] = minStack;
        EXPECT_TRUE(Warn().empty()) << type;
        conf.m_tsk.m_nStackSize[0] = minStack - 1;
        EXPECT_EQ(Warn(), Lines{StackInvalid(1)}) << type;
    }
}

TEST_F(OutputWarnings, KindsSwitchedOffAreNeverWarnedAbout)
{
    MarkAllSet(conf);
    conf.m_flg.m_nFlgNum = 3;
    conf.m_flg.m_nFlgSet.fill(0);
    conf.m_flg.SetUse(0);
    // Only exactly 1 counts as used.
    conf.m_sem.SetUse(2);
    conf.m_sem.m_nSemSet.fill(0);
    EXPECT_TRUE(Warn().empty());
    EXPECT_EQ(log.warnings, 0);
    EXPECT_EQ(conf.m_flg.m_nFlgSet[0], 0);
    EXPECT_EQ(conf.m_sem.m_nSemSet[0], 0);
}

TEST_F(OutputWarnings, UsedKindsWarnPerDefaultEntryUpToTheirCountInKindOrder)
{
    MarkAllSet(conf);
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 2;
    conf.m_cyc.m_nCycSet.fill(0);
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 1;
    conf.m_dtq.m_nDtqSet.fill(0);
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = 3;
    conf.m_sem.m_nSemSet.fill(0);
    conf.m_sem.m_nSemSet[1] = 1;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 127;
    conf.m_flg.m_nFlgSet.fill(1);
    conf.m_flg.m_nFlgSet[126] = 0;
    EXPECT_EQ(Warn(), (Lines{"(W) EVENTFLG of ID=127 is default setting", "(W) SEMAPHORE of ID=1 is default setting",
                             "(W) SEMAPHORE of ID=3 is default setting", "(W) DATA-QUE of ID=1 is default setting",
                             "(W) CYCLIC-HANDLER of ID=1 is default setting",
                             "(W) CYCLIC-HANDLER of ID=2 is default setting"}));
    EXPECT_EQ(log.warnings, 6);
    EXPECT_EQ(conf.m_flg.m_nFlgSet[126], 1);
    EXPECT_EQ(conf.m_sem.m_nSemSet[2], 1);
    EXPECT_EQ(conf.m_dtq.m_nDtqSet[0], 1);
    EXPECT_EQ(conf.m_cyc.m_nCycSet[1], 1);
    // Entries beyond each count keep their flags.
    EXPECT_EQ(conf.m_sem.m_nSemSet[3], 0);
    EXPECT_EQ(conf.m_dtq.m_nDtqSet[1], 0);
    EXPECT_EQ(conf.m_cyc.m_nCycSet[2], 0);
    EXPECT_TRUE(Warn().empty());
}

TEST_F(OutputWarnings, CyclicHandlersCountByTheirOwnUseFlagWithoutTheSystemTime)
{
    MarkAllSet(conf);
    conf.m_tim.SetUse(0);
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 1;
    conf.m_cyc.m_nCycSet[0] = 0;
    EXPECT_EQ(Warn(), Lines{"(W) CYCLIC-HANDLER of ID=1 is default setting"});
}

TEST_F(OutputWarnings, CountsOutsideTheTablesStayInsideThem)
{
    conf.m_tsk.m_nTskNum = 1000;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 1000;
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = -4;
    const Lines lines = Warn();
    ASSERT_EQ(lines.size(), 2u * kMaxObjects);
    EXPECT_EQ(lines[kMaxObjects - 1], TaskDefault(127));
    EXPECT_EQ(lines.back(), "(W) EVENTFLG of ID=127 is default setting");
}

// Whole runs into a temporary folder.
class OutputRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.Path().empty());
        paths = configfiles::PathsFromFolder(tmp.Path());
        MarkAllSet(doc.GetConfInfo());
    }
    OutputLog Run() { return outputlog::OutputConfigFiles(doc, paths, testlabels::Labels()); }
    Lines WriteTail(int errors, int warnings) const
    {
        return {Written(paths.outConfig), Written(paths.outDef), Written(paths.outKinit), "",
                "OUTPUT CONFIG-FILES - error " + std::to_string(errors) + ", wornning " + std::to_string(warnings)};
    }
    static Lines Join(Lines a, const Lines& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    testutil::TempDir tmp;
    CQuorvaneConfiguratorDoc doc{tmp.Path()};
    configfiles::ConfigPaths paths;
};

TEST_F(OutputRun, NoFilesYetAndNothingToWarnAboutGivesHeaderWritesAndSummaryOnly)
{
    const OutputLog log = Run();
    EXPECT_EQ(log.lines, Join({kHeader}, WriteTail(0, 0)));
    for (const std::string* p : {&paths.outConfig, &paths.outDef, &paths.outKinit}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(*p)) << *p;
        EXPECT_FALSE(std::filesystem::exists(*p + ".bk001")) << *p;
        EXPECT_NE(testutil::ReadBytes(*p).find(" * Created:     "), std::string::npos) << *p;
    }
}

TEST_F(OutputRun, ExistingFilesGetNumberedBackupsRunAfterRun)
{
    for (const std::string* p : {&paths.outConfig, &paths.outDef, &paths.outKinit}) testutil::WriteBytes(*p, "old " + *p);
    EXPECT_EQ(Run().lines, Join({kHeader, BackupMade(paths.outConfig + ".bk001"), BackupMade(paths.outDef + ".bk001"),
                                 BackupMade(paths.outKinit + ".bk001"), ""},
                                WriteTail(0, 0)));
    EXPECT_EQ(testutil::ReadBytes(paths.outConfig + ".bk001"), "old " + paths.outConfig);
    const std::string firstOutput = testutil::ReadBytes(paths.outKinit);
    EXPECT_NE(firstOutput, "old " + paths.outKinit);

    EXPECT_EQ(Run().lines, Join({kHeader, BackupMade(paths.outConfig + ".bk002"), BackupMade(paths.outDef + ".bk002"),
                                 BackupMade(paths.outKinit + ".bk002"), ""},
                                WriteTail(0, 0)));
    EXPECT_EQ(testutil::ReadBytes(paths.outKinit + ".bk002"), firstOutput);
    EXPECT_EQ(testutil::ReadBytes(paths.outKinit + ".bk001"), "old " + paths.outKinit);
}

TEST_F(OutputRun, OnlyExistingFilesAreBackedUp)
{
    testutil::WriteBytes(paths.outDef, "def");
    EXPECT_EQ(Run().lines, Join({kHeader, BackupMade(paths.outDef + ".bk001"), ""}, WriteTail(0, 0)));
}

TEST_F(OutputRun, ReadOnlyFileIsReportedLeftAloneAndTheOthersAreWritten)
{
    testutil::WriteBytes(paths.outConfig, "kept");
    ASSERT_EQ(::chmod(paths.outConfig.c_str(), 0444), 0);
    const OutputLog log = Run();
    EXPECT_EQ(log.lines, (Lines{kHeader, BackupMade(paths.outConfig + ".bk001"), "", NotWritten(paths.outConfig),
                                Written(paths.outDef), Written(paths.outKinit), "",
                                "OUTPUT CONFIG-FILES - error 1, wornning 0"}));
    EXPECT_EQ(log.errors, 1);
    EXPECT_EQ(testutil::ReadBytes(paths.outConfig), "kept");
    EXPECT_TRUE(std::filesystem::is_regular_file(paths.outDef));
    EXPECT_TRUE(std::filesystem::is_regular_file(paths.outKinit));
}

TEST_F(OutputRun, FailedBackupStillLetsTheFileBeWritten)
{
    testutil::WriteBytes(paths.outKinit, "old");
    for (int n = 1; n <= 999; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, ".bk%03d", n);
        testutil::WriteBytes(paths.outKinit + name, "");
    }
    const OutputLog log = Run();
    EXPECT_EQ(log.lines, Join({kHeader, BackupFailed(paths.outKinit), ""}, WriteTail(1, 0)));
    EXPECT_NE(testutil::ReadBytes(paths.outKinit), "old");
}

TEST_F(OutputRun, MissingFolderFailsEveryWriteAndStillEndsWithTheSummary)
{
    paths = configfiles::PathsFromFolder(tmp.File("missing"));
    const OutputLog log = Run();
    EXPECT_EQ(log.lines, (Lines{kHeader, NotWritten(paths.outConfig), NotWritten(paths.outDef),
                                NotWritten(paths.outKinit), "", "OUTPUT CONFIG-FILES - error 3, wornning 0"}));
    // The set still became the newest recent entry.
    EXPECT_EQ(doc.GetConfInfo().m_ini.GetRecentDir(0), tmp.File("missing"));
}

TEST_F(OutputRun, WarningsComeAfterTheBackupsWithAnEmptyLineAndAreCounted)
{
    testutil::WriteBytes(paths.outConfig, "c");
    CCData_conf_info& conf = doc.GetConfInfo();
    conf.m_tsk.m_nTskSet[1] = 0;
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = 1;
    conf.m_sem.m_nSemSet[0] = 0;
    EXPECT_EQ(Run().lines, Join({kHeader, BackupMade(paths.outConfig + ".bk001"), "", TaskDefault(2),
                                 "(W) SEMAPHORE of ID=1 is default setting", ""},
                                WriteTail(0, 2)));
    EXPECT_EQ(conf.m_tsk.m_nTskSet[1], 1);
    EXPECT_EQ(conf.m_sem.m_nSemSet[0], 1);
}

TEST_F(OutputRun, SevenPathsBecomeTheNewestRecentEntry)
{
    CCData_conf_ini& ini = doc.GetConfInfo().m_ini;
    ini.AddRecentConfig("/a", "/a/1", "/a/2", "/a/3", "/a/4", "/a/5", "/a/6");
    paths.inConfig = "/in/config.c";
    paths.inDef = "/in/qvos.def";
    paths.inKinit = "/in/kinit.c";
    Run();
    EXPECT_EQ(ini.m_nRecentNum, 2);
    EXPECT_EQ(ini.GetRecentDir(0), tmp.Path());
    EXPECT_EQ(ini.GetRecentInConfig(0), "/in/config.c");
    EXPECT_EQ(ini.GetRecentInDef(0), "/in/qvos.def");
    EXPECT_EQ(ini.GetRecentInKinit(0), "/in/kinit.c");
    EXPECT_EQ(ini.GetRecentOutConfig(0), paths.outConfig);
    EXPECT_EQ(ini.GetRecentOutDef(0), paths.outDef);
    EXPECT_EQ(ini.GetRecentOutKinit(0), paths.outKinit);
    EXPECT_EQ(ini.GetRecentDir(1), "/a");
    // The same set again changes nothing.
    Run();
    EXPECT_EQ(ini.m_nRecentNum, 2);
}

}  // namespace
