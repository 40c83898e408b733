// Tests of the output command: the log of a run, numbered backups, a read-only output file, the warnings
// with the flags they set, the system-time check that can stop the command, and the written files loading
// back through the configuration-files panel without a warning.
#include <QAction>
#include <sys/stat.h>

#include "load_test_util.h"

namespace {

using uitest::LoadTest;
using Lines = std::vector<std::string>;

const char* const kHeader = "---------- OUTPUT CONFIG-FILES ----------";
std::string Written(const std::string& p) { return "- Create CONFIG-FILE : \"" + p + "\""; }
std::string NotWritten(const std::string& p) { return "(E) Can't create CONFIG-FILE : \"" + p + "\""; }
std::string BackupMade(const std::string& p) { return "- Create backup file : \"" + p + "\""; }
std::string Summary(int errors, int warnings)
{
    return "OUTPUT CONFIG-FILES - error " + std::to_string(errors) + ", wornning " + std::to_string(warnings);
}

class OutputTest : public LoadTest {
protected:
    // A loaded set in a folder of its own; input and output paths are the same three files.
    void LoadSet()
    {
        m_set = MakeSet("set");
        ChooseFolder(m_set);
        ASSERT_EQ(View()->m_nEnableMask, 0x3ffu);
        qvui::ClearAskedDialogs();
    }
    std::string File(const char* name) const { return m_set + "/" + name; }
    // The user's choice of the command (menu item or tool button).
    void Output() const
    {
        ASSERT_TRUE(Frame()->Action(311)->isEnabled());
        Frame()->Action(311)->trigger();
    }
    Lines Backups(const char* number) const
    {
        return {BackupMade(File("config.c") + number), BackupMade(File("qvos.def") + number),
                BackupMade(File("kinit.c") + number), ""};
    }
    Lines WriteTail(int errors, int warnings) const
    {
        return {Written(File("config.c")), Written(File("qvos.def")), Written(File("kinit.c")), "",
                Summary(errors, warnings)};
    }
    static Lines Join(std::initializer_list<Lines> parts)
    {
        Lines all;
        for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    }

    std::string m_set;
};

TEST_F(OutputTest, LoadedSetIsBackedUpWrittenAndLoadsBackWithoutWarning)
{
    LoadSet();
    const std::string original = testutil::ReadBytes(File("config.c"));
    Output();
    EXPECT_EQ(Log(), Join({{kHeader}, Backups(".bk001"), WriteTail(0, 0)}));
    EXPECT_EQ(testutil::ReadBytes(File("config.c.bk001")), original);
    EXPECT_TRUE(qvui::AskedDialogs().empty());

    // A second run backs up the first run's files under the next number.
    const std::string firstWrite = testutil::ReadBytes(File("kinit.c"));
    Output();
    EXPECT_EQ(Log(), Join({{kHeader}, Backups(".bk002"), WriteTail(0, 0)}));
    EXPECT_EQ(testutil::ReadBytes(File("kinit.c.bk002")), firstWrite);

    // The written files load back with no warning and give the same configuration.
    const CCData_conf_info before = Conf();
    Click(1105);
    EXPECT_EQ(Log(), (Lines{"---------- INPUT CONFIG-FILES -----------", "- File reading \"" + File("config.c") + "\" : OK",
                            "- File reading \"" + File("qvos.def") + "\" : OK",
                            "- File reading \"" + File("kinit.c") + "\" : OK"}));
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, before.m_cpu.m_nCpuType);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, before.m_cpu.m_nCpuMode);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, before.m_cpu.m_nMaskLevel);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, before.m_tsk.m_nTskNum);
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc, before.m_tsk.m_strTskFunc);
    EXPECT_EQ(Conf().m_tsk.m_nStackSize, before.m_tsk.m_nStackSize);
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr, before.m_flg.m_nFlgAttr);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, before.m_tim.m_nCyclicTime);
    EXPECT_EQ(Conf().m_cyc.m_strCycFunc, before.m_cyc.m_strCycFunc);
}

TEST_F(OutputTest, ReadOnlyOutputFileIsReportedAndTheOthersAreWritten)
{
    LoadSet();
    const std::string kept = testutil::ReadBytes(File("qvos.def"));
    ASSERT_EQ(::chmod(File("qvos.def").c_str(), 0444), 0);
    testutil::WriteBytes(File("kinit.c"), "old kinit");
    Output();
    EXPECT_EQ(Log(), Join({{kHeader}, Backups(".bk001"),
                           {Written(File("config.c")), NotWritten(File("qvos.def")), Written(File("kinit.c")), "",
                            Summary(1, 0)}}));
    EXPECT_EQ(testutil::ReadBytes(File("qvos.def")), kept);
    EXPECT_NE(testutil::ReadBytes(File("kinit.c")), "old kinit");
}

TEST_F(OutputTest, DefaultEntriesAndSmallStacksAreWarnedAboutAndTheirFlagsSet)
{
    LoadSet();
    Conf().m_tsk.m_nTskSet[1] = 0;
    Conf().m_tsk.m_nStackSize[3] = Conf().m_cpu.GetMinStackSize() - 2;
    Conf().m_dtq.m_nDtqSet[0] = 0;
    Conf().m_cyc.m_nCycSet[Conf().m_cyc.m_nCycNum - 1] = 0;
    // An entry beyond the count is never looked at.
    Conf().m_sem.m_nSemSet[Conf().m_sem.m_nSemNum] = 0;
    const std::string cycLine =
        "(W) CYCLIC-HANDLER of ID=" + std::to_string(Conf().m_cyc.m_nCycNum) + " is default setting";
    Output();
    EXPECT_EQ(Log(), Join({{kHeader}, Backups(".bk001"),
                           {"(W) Task of ID=2 is default setting", "(W) Stack size of ID=4 is invalid",
                            "(W) DATA-QUE of ID=1 is default setting", cycLine, ""},
                           WriteTail(0, 4)}));
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[1], 1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[0], 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[Conf().m_cyc.m_nCycNum - 1], 1);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[Conf().m_sem.m_nSemNum], 0);

    // Only the stack warning comes again.
    Output();
    EXPECT_EQ(Log(), Join({{kHeader}, Backups(".bk002"), {"(W) Stack size of ID=4 is invalid", ""}, WriteTail(0, 1)}));
}

TEST_F(OutputTest, InvalidCyclicTimeOnTheShownSystemTimePanelStopsTheCommand)
{
    LoadSet();
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    const Lines loadLog = Log();
    const std::string config = testutil::ReadBytes(File("config.c"));
    Conf().m_ini.InitData();
    View()->OnSystemTime();
    QLineEdit* edit = View()->SystimPanel()->CyclicTimeEdit();
    for (const QString& text : {QStringLiteral("0500"), QString()}) {
        qvui::ClearAskedDialogs();
        edit->setText(text);
        Output();
        ASSERT_EQ(qvui::AskedDialogs().size(), 1u);
        EXPECT_EQ(qvui::AskedDialogs()[0].text, LoadStr(text.isEmpty() ? 4013 : 4014));
        EXPECT_EQ(Log(), loadLog);
        EXPECT_FALSE(std::filesystem::exists(File("config.c.bk001")));
        EXPECT_EQ(testutil::ReadBytes(File("config.c")), config);
        EXPECT_EQ(Conf().m_ini.GetRecentDir(0), "<NONE>");
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(Title(), "SYSTEM-TIME");
    }

    // A good time is stored by the check and written; the tree shows it after the run.
    edit->setText(QStringLiteral("40"));
    qvui::ClearAskedDialogs();
    Output();
    EXPECT_TRUE(qvui::AskedDialogs().empty());
    EXPECT_EQ(Log().back(), Summary(0, 0));
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 40);
    EXPECT_EQ(TreeLines(6).at(0), "Enable - 40 msec");
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), m_set);
    // The written time loads back.
    Conf().m_tim.m_nCyclicTime = 1;
    View()->OnSelectConfFiles();
    Click(1105);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 40);
}

TEST_F(OutputTest, AnotherPanelShownDoesNotCheckTheSystemTime)
{
    LoadSet();
    View()->SystimPanel()->CyclicTimeEdit()->setText(QStringLiteral("abc"));
    View()->OnTask();
    Output();
    EXPECT_TRUE(qvui::AskedDialogs().empty());
    EXPECT_EQ(Log().back(), Summary(0, 0));
}

TEST_F(OutputTest, PathsAreTakenFromTheFieldsAsTheyStandAndRecorded)
{
    LoadSet();
    const std::string other = m_dir.File("other");
    std::filesystem::create_directories(other);
    Type(909, other + "/config.c");
    Type(911, other + "/qvos.def");
    Type(913, other + "/missing/kinit.c");
    Output();
    EXPECT_EQ(Log(), (Lines{kHeader, Written(other + "/config.c"), Written(other + "/qvos.def"),
                            NotWritten(other + "/missing/kinit.c"), "", Summary(1, 0)}));
    EXPECT_EQ(Conf().m_ini.GetRecentOutConfig(0), other + "/config.c");
    EXPECT_EQ(Conf().m_ini.GetRecentOutKinit(0), other + "/missing/kinit.c");
    EXPECT_EQ(Conf().m_ini.GetRecentInConfig(0), File("config.c"));
    EXPECT_EQ(Conf().m_ini.m_nRecentNum, 2);
}

TEST_F(OutputTest, DefaultConfigurationIntoAnEmptyFolderWarnsAboutEveryTask)
{
    // Nothing loaded: the three default tasks are warned about, there is nothing to back up.
    const std::string dir = m_dir.File("out");
    std::filesystem::create_directories(dir);
    Type(909, dir + "/config.c");
    Type(911, dir + "/qvos.def");
    Type(913, dir + "/kinit.c");
    View()->OnOutputConfFiles();
    // The default stack is enough for the default CPU.
    ASSERT_GE(Conf().m_tsk.m_nStackSize[0], Conf().m_cpu.GetMinStackSize());
    const Lines expected = {kHeader,
                            "(W) Task of ID=1 is default setting",
                            "(W) Task of ID=2 is default setting",
                            "(W) Task of ID=3 is default setting",
                            "",
                            Written(dir + "/config.c"),
                            Written(dir + "/qvos.def"),
                            Written(dir + "/kinit.c"),
                            "",
                            Summary(0, 3)};
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(View()->OutputPanel()->m_nLineCount, 10);
    for (int id = 1; id <= 3; ++id) EXPECT_EQ(Conf().m_tsk.m_nTskSet[id - 1], 1) << id;
}

}  // namespace
