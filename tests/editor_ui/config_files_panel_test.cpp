// Tests of the configuration-files panel and the load sequence: folder and file choices, the log, the red
// marks and the enable mask, the question before a loaded configuration is abandoned, "Clear", "Reload" and
// the recent-configuration command.
#include <QAction>
#include <sys/stat.h>

#include "load_test_util.h"

namespace {

using uitest::LoadTest;

std::string OkLine(const std::string& path) { return "- File reading \"" + path + "\" : OK"; }
std::string NotFoundLine(const std::string& path) { return "(E) Not Found : \"" + path + "\""; }
const char* const kHeader = "---------- INPUT CONFIG-FILES -----------";

TEST_F(LoadTest, FolderChoiceFillsTheSixPathsAndLoads)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);

    EXPECT_EQ(Edit(901), dir);
    for (int id : {903, 909}) EXPECT_EQ(Edit(id), dir + "/config.c");
    for (int id : {905, 911}) EXPECT_EQ(Edit(id), dir + "/qvos.def");
    for (int id : {907, 913}) EXPECT_EQ(Edit(id), dir + "/kinit.c");
    EXPECT_EQ(Proj()->PathEdit(903)->cursorPosition(), Proj()->PathEdit(903)->text().size());
    // The browser was titled as designed and no question was asked: nothing was loaded before.
    ASSERT_FALSE(qvui::AskedDialogs().empty());
    EXPECT_EQ(qvui::AskedDialogs().front().kind, qvui::AskedDialog::kFolder);
    EXPECT_EQ(qvui::AskedDialogs().front().text, "Select Config Folder");
    EXPECT_EQ(Questions(), 0);

    EXPECT_EQ(Log(), (std::vector<std::string>{kHeader, OkLine(dir + "/config.c"), OkLine(dir + "/qvos.def"),
                                               OkLine(dir + "/kinit.c")}));
    EXPECT_EQ(Proj()->m_nPathErr, 0u);
    EXPECT_EQ(View()->m_nEnableMask, 0x3ffu);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), dir);
    EXPECT_EQ(Conf().m_ini.GetRecentOutKinit(0), dir + "/kinit.c");
    for (int id : {903, 905, 907, 909, 911, 913}) EXPECT_FALSE(IsRed(id)) << id;

    // The tree shows the panels' texts.
    EXPECT_EQ(TreeLines(0), (std::vector<std::string>{"Input COFIG-FILES", dir + "/config.c", dir + "/qvos.def",
                                                      dir + "/kinit.c", "Output COFIG-FILES", dir + "/config.c",
                                                      dir + "/qvos.def", dir + "/kinit.c"}));
    EXPECT_EQ(TreeLines(1), (std::vector<std::string>{"CPU :H8S/2600(Normal mode)",
                                                      "Mode :Interrupt Control Mode 1",
                                                      "Kernel Mask Level :Level2"}));
}

TEST_F(LoadTest, MissingInputsAreReportedAndTheLoadedConfigurationStays)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    Conf().m_tsk.m_nTskNum = 9;
    std::filesystem::remove(dir + "/kinit.c");
    std::filesystem::remove(dir + "/config.c");

    Click(1105);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(Log(), (std::vector<std::string>{NotFoundLine(dir + "/config.c"), NotFoundLine(dir + "/kinit.c")}));
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 9);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);
    EXPECT_EQ(Proj()->m_nPathErr, 0x550u);
    // The outputs are the same files, so they are missing too.
    EXPECT_EQ(View()->m_nEnableMask, 3u);
    for (int id : {903, 907, 909, 913}) EXPECT_TRUE(IsRed(id)) << id;
    for (int id : {905, 911}) EXPECT_FALSE(IsRed(id)) << id;
    // With inputs missing the next action asks nothing.
    Click(1105);
    EXPECT_EQ(Questions(), 1);
}

TEST_F(LoadTest, MissingInputWithOutputsPresentKeepsTheOutputCommand)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    Type(905, dir + "/other.def");
    Click(1105);
    EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine(dir + "/other.def")});
    EXPECT_EQ(View()->m_nEnableMask, 0x203u);
    EXPECT_TRUE(IsRed(905));
    EXPECT_FALSE(IsRed(911));
}

TEST_F(LoadTest, EmptyInputPathStopsTheLoadWithoutALine)
{
    const std::string dir = MakeSet("set");
    Type(903, dir + "/config.c");
    Type(907, dir + "/kinit.c");
    Proj()->InputConfigFiles();
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Proj()->m_nPathErr, 0x720u);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), "<NONE>");
}

TEST_F(LoadTest, MissingOutputOnlyTurnsRedAndNarrowsTheMask)
{
    const std::string dir = MakeSet("set");
    Type(903, dir + "/config.c");
    Type(905, dir + "/qvos.def");
    Type(907, dir + "/kinit.c");
    Type(909, dir + "/config.c");
    Type(911, dir + "/out/qvos.def");
    Type(913, dir + "/kinit.c");
    Click(1105);
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(Proj()->m_nPathErr, 0x200u);
    // The first checks found every bit clear, which enabled every command; the missing output keeps that.
    EXPECT_EQ(View()->m_nEnableMask, 0x3ffu);
    EXPECT_TRUE(IsRed(911));
    EXPECT_FALSE(IsRed(905));
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);
    EXPECT_EQ(Conf().m_ini.GetRecentOutDef(0), dir + "/out/qvos.def");
}

TEST_F(LoadTest, MissingOutputAfterAMissingInputLeavesTheOutputCommandOff)
{
    const std::string dir = MakeSet("set");
    std::filesystem::rename(dir + "/kinit.c", dir + "/kinit.bak");
    Type(903, dir + "/config.c");
    Type(905, dir + "/qvos.def");
    Type(907, dir + "/kinit.c");
    Type(909, dir + "/config.c");
    Type(911, dir + "/out/qvos.def");
    Type(913, dir + "/kinit.bak");
    Click(1105);
    EXPECT_EQ(Proj()->m_nPathErr, 0x240u);
    EXPECT_EQ(View()->m_nEnableMask, 3u);
    std::filesystem::rename(dir + "/kinit.bak", dir + "/kinit.c");
    Type(913, dir + "/kinit.c");
    Click(1105);
    EXPECT_EQ(Proj()->m_nPathErr, 0x200u);
    EXPECT_EQ(View()->m_nEnableMask, 0x1ffu);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_FALSE(IsRed(907));
    EXPECT_TRUE(IsRed(911));
}

TEST_F(LoadTest, FilesChosenOneByOneRecordTheInputConfigAsFolder)
{
    const std::string dir = MakeSet("set");
    const struct {
        int button;
        const char* file;
    } picks[] = {{904, "config.c"}, {906, "qvos.def"}, {908, "kinit.c"}};
    for (const auto& pick : picks) {
        qvui::SetNextFileName(qvui::ToQ(dir + "/" + pick.file));
        Click(pick.button);
    }
    // A new input file counts only from the next "Reload".
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 1);
    EXPECT_EQ(Proj()->m_nPathErr, 0u);
    EXPECT_EQ(View()->m_nEnableMask, 0x3ffu);
    int fileDialogs = 0;
    for (const qvui::AskedDialog& d : qvui::AskedDialogs()) {
        if (d.kind == qvui::AskedDialog::kOpenFile) ++fileDialogs;
    }
    EXPECT_EQ(fileDialogs, 3);

    Click(1105);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);
    EXPECT_EQ(Edit(901), "");
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), dir + "/config.c");
    EXPECT_EQ(Conf().m_ini.GetRecentOutConfig(0), "");
    EXPECT_EQ(Proj()->m_nPathErr, 0x700u);
}

TEST_F(LoadTest, ChosenOutputFileGoesIntoTheNewestRecentEntry)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    testutil::WriteBytes(m_dir.File("elsewhere.def"), "");
    qvui::SetNextFileName(qvui::ToQ(m_dir.File("elsewhere.def")));
    Click(912);
    EXPECT_EQ(Edit(911), m_dir.File("elsewhere.def"));
    EXPECT_EQ(Conf().m_ini.GetRecentOutDef(0), m_dir.File("elsewhere.def"));
    EXPECT_EQ(Conf().m_ini.GetRecentInDef(0), dir + "/qvos.def");
    // A cancelled dialog changes nothing.
    qvui::SetNextFileName(QString());
    Click(910);
    EXPECT_EQ(Edit(909), dir + "/config.c");
}

TEST_F(LoadTest, SameFolderReloadsWithoutAQuestionAnotherAsksFirst)
{
    const std::string a = MakeSet("a");
    const std::string b = MakeSet("b");
    ChooseFolder(a);
    Conf().m_tsk.m_nTskNum = 9;
    ChooseFolder(a);
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);

    // Cancel keeps everything: paths, configuration and log.
    Conf().m_tsk.m_nTskNum = 9;
    const std::vector<std::string> log = Log();
    qvui::SetNextAnswer(qvui::IDCANCEL);
    ChooseFolder(b);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(Edit(901), a);
    EXPECT_EQ(Proj()->m_strConfigDir, a);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 9);
    EXPECT_EQ(Log(), log);

    // The question belongs to the main window, though the folder dialog has just taken the activation away.
    QApplication::setActiveWindow(nullptr);
    ChooseFolder(b);
    EXPECT_EQ(Questions(), 2);
    EXPECT_EQ(qvui::AskedDialogs().back().owner, Frame());
    EXPECT_EQ(Edit(901), b);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), b);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(1), a);
}

TEST_F(LoadTest, CancelledBrowserChangesNothing)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    qvui::SetNextFolder(QString());
    Click(902);
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Log().size(), 4u);
}

TEST_F(LoadTest, ClearResetsThePanelTheMaskAndTheConfiguration)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    const std::vector<std::string> log = Log();
    qvui::SetNextAnswer(qvui::IDCANCEL);
    Click(1107);
    EXPECT_EQ(Edit(903), dir + "/config.c");
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 9);

    Click(1107);
    EXPECT_EQ(Questions(), 2);
    for (int id : {901, 903, 905, 907, 909, 911, 913}) EXPECT_EQ(Edit(id), "") << id;
    EXPECT_EQ(Proj()->m_nPathErr, 0u);
    EXPECT_TRUE(Proj()->m_strInConfig.empty());
    EXPECT_TRUE(Proj()->m_strConfigDir.empty());
    EXPECT_EQ(View()->m_nEnableMask, 3u);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), dir);
    for (int c = 0; c < CQuorvaneConfiguratorView::kCategoryCount; ++c) {
        EXPECT_EQ(View()->CategoryItem(c)->childCount(), 0) << c;
    }
    EXPECT_EQ(Log(), log);

    // Nothing is loaded now: the next folder choice asks nothing.
    ChooseFolder(MakeSet("other"));
    EXPECT_EQ(Questions(), 2);
}

TEST_F(LoadTest, OneExistingOutputFileAfterClearEnablesEveryCommand)
{
    const std::string dir = MakeSet("set");
    qvui::SetNextFileName(qvui::ToQ(dir + "/config.c"));
    Click(910);
    EXPECT_EQ(Proj()->m_nPathErr, 0u);
    EXPECT_EQ(View()->m_nEnableMask, 0x3ffu);
}

TEST_F(LoadTest, ReloadWithAnEmptyInputAsksThenDoesNothing)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    Conf().m_tsk.m_nTskNum = 9;
    Type(905, "");
    Click(1105);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 9);
    EXPECT_EQ(Log().size(), 4u);
}

TEST_F(LoadTest, DeletedKinitOnReloadIsReportedAndMarked)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    std::filesystem::remove(dir + "/kinit.c");
    Click(1105);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine(dir + "/kinit.c")});
    EXPECT_TRUE(IsRed(907));
    EXPECT_TRUE(IsRed(913));
    EXPECT_EQ(View()->m_nEnableMask, 3u);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
}

// A FIFO as an input file would never deliver its end: it is reported unreadable at once.
TEST_F(LoadTest, AFifoAsInputIsReportedUnreadableAtOnce)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    std::filesystem::remove(dir + "/kinit.c");
    ASSERT_EQ(::mkfifo((dir + "/kinit.c").c_str(), 0644), 0);
    Click(1105);
    const std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[3], "(E) File reading \"" + dir + "/kinit.c\" : NG");
}

TEST_F(LoadTest, TypingStopsAtTheLimitButLongerPathsOfTheProgramStay)
{
    QLineEdit* edit = Proj()->PathEdit(903);
    edit->setFocus();
    QTest::keyClicks(edit, QString(300, QLatin1Char('a')));
    EXPECT_EQ(edit->text().size(), CCtl_SDlg_Proj::kPathLimit);
    const std::string deep = "/" + std::string(280, 'd');
    qvui::SetNextFolder(qvui::ToQ(deep));
    Click(902);
    EXPECT_EQ(Edit(903), deep + "/config.c");
    EXPECT_EQ(Log(), (std::vector<std::string>{NotFoundLine(deep + "/config.c"), NotFoundLine(deep + "/qvos.def"),
                                               NotFoundLine(deep + "/kinit.c")}));
}

// A path the program puts into an edit stays whole even beyond the typing limit; typing still cannot make
// it longer, and once shortened it cannot grow back.
TEST_F(LoadTest, TypingNeverLengthensALongerPathOfTheProgram)
{
    const std::string deep = "/" + std::string(280, 'd');
    const auto typeAtEnd = [this](int id) {
        const std::string path = Edit(id);
        QLineEdit* edit = Proj()->PathEdit(id);
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << id;  // the file name in view
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("xyz"));
        EXPECT_EQ(Edit(id), path) << id;
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(Edit(id), path.substr(0, path.size() - 1)) << id;
        QTest::keyClicks(edit, QStringLiteral("xy"));
        EXPECT_EQ(Edit(id), path.substr(0, path.size() - 1)) << id;
    };

    // Folder choice.
    qvui::SetNextFolder(qvui::ToQ(deep));
    Click(902);
    ASSERT_EQ(Edit(903), deep + "/config.c");
    for (int id : {905, 907, 911, 913}) EXPECT_EQ(Proj()->PathEdit(id)->cursorPosition(), Proj()->PathText(id).size()) << id;
    typeAtEnd(901);
    typeAtEnd(903);

    // File choice.
    qvui::SetNextFileName(qvui::ToQ(deep + "/out.c"));
    Click(910);
    ASSERT_EQ(Edit(909), deep + "/out.c");
    typeAtEnd(909);

    // Recent entry.
    Conf().m_ini.AddRecentConfig(deep + "e", deep + "e/config.c", deep + "e/qvos.def", deep + "e/kinit.c",
                                 deep + "e/config.c", deep + "e/qvos.def", deep + "e/kinit.c");
    View()->OnRecentConfig(32796);
    ASSERT_EQ(Edit(913), deep + "e/kinit.c");
    typeAtEnd(913);
}

TEST_F(LoadTest, RecentEntryReloadsAndMovesToTheTop)
{
    const std::string a = MakeSet("a");
    const std::string b = MakeSet("b");
    const std::string c = MakeSet("R&D");  // shown as it is named, not as a menu shortcut
    ChooseFolder(a);
    ChooseFolder(b);
    ChooseFolder(c);
    EXPECT_EQ(Questions(), 2);
    Conf().m_tsk.m_nTskNum = 9;

    Frame()->OnInitMenu();
    QList<QAction*> items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(qvui::FromQ(items[2]->iconText()), a);
    items[2]->trigger();
    EXPECT_EQ(Questions(), 3);
    EXPECT_EQ(Edit(901), a);
    EXPECT_EQ(Edit(911), a + "/qvos.def");
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(Title(), "Select CONF-FILES");

    Frame()->OnInitMenu();
    items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(qvui::FromQ(items[0]->iconText()), a);
    EXPECT_EQ(qvui::FromQ(items[1]->iconText()), c);
    EXPECT_EQ(qvui::FromQ(items[2]->iconText()), b);
}

TEST_F(LoadTest, ARecentEntryWithACommaLastsOnlyUntilTheRestart)
{
    const std::string plain = MakeSet("plain");
    const std::string comma = MakeSet("a,b");
    ChooseFolder(plain);
    ChooseFolder(comma);
    Frame()->OnInitMenu();
    ASSERT_EQ(Frame()->RecentMenu()->actions().size(), 2);

    // The settings file cannot hold it whole, so it is not stored rather than read back cut at the comma.
    Restart();
    Frame()->OnInitMenu();
    const QList<QAction*> items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(qvui::FromQ(items[0]->text()), plain);
    items[0]->trigger();
    EXPECT_EQ(Log().size(), 4u);
}

TEST_F(LoadTest, RecentPlaceholderDoesNothing)
{
    View()->OnRecentConfig(32796);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
    EXPECT_EQ(Edit(901), "");
    EXPECT_TRUE(Log().empty());
}

TEST_F(LoadTest, CancelledRecentQuestionChangesNothingNotEvenThePanel)
{
    const std::string a = MakeSet("a");
    const std::string b = MakeSet("b");
    ChooseFolder(a);
    ChooseFolder(b);
    View()->OnCpuKernelMaskLevel();
    ASSERT_EQ(ShownPanel(), 1);
    qvui::SetNextAnswer(qvui::IDCANCEL);
    View()->OnRecentConfig(32797);
    EXPECT_EQ(ShownPanel(), 1);
    EXPECT_EQ(Title(), "CPU/Kernel Mask Level");
    EXPECT_EQ(Edit(901), b);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), b);
}

TEST_F(LoadTest, RecentEntryLoadsEvenWhenTheSystemTimePanelRefusesToLeave)
{
    const std::string a = MakeSet("a");
    const std::string b = MakeSet("b");
    ChooseFolder(a);
    ChooseFolder(b);
    View()->OnSystemTime();
    ASSERT_EQ(ShownPanel(), 6);
    QLineEdit* cyclic = View()->SystimPanel()->findChild<QLineEdit*>();
    ASSERT_NE(cyclic, nullptr);
    cyclic->setText(QString());
    qvui::ClearAskedDialogs();
    View()->OnRecentConfig(32797);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(ShownPanel(), 6);
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_EQ(Edit(901), a);
    EXPECT_EQ(Conf().m_ini.GetRecentDir(0), a);
    EXPECT_EQ(Log().size(), 4u);
}

TEST_F(LoadTest, EnterAndEscOnThePanelDoNothing)
{
    const std::string dir = MakeSet("set");
    ChooseFolder(dir);
    QLineEdit* edit = Proj()->PathEdit(903);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(Proj()->isVisible());
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(Log().size(), 4u);
}

}  // namespace
