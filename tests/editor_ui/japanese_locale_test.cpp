// The Japanese environment: the language as Qt reads it and Qt's own translations; a task name of
// double-byte characters that survives loading, editing in the task dialog and writing, under a Shift-JIS
// and under a UTF-8 Japanese locale, because the core and the editor read the same code page; and a folder
// with a Japanese name, whose file names keep their bytes in either locale.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <clocale>
#include <fstream>
#include <sstream>

#include "dialogs/CCDlg_tskset.h"
#include "entry_list_test_util.h"
#include "load_test_util.h"
#include "panels/CCtl_SDlg_tsk.h"

namespace {

// The language is the environment's as Qt reads it, also where the C library lacks that locale; the
// program loads Qt's translations for it.
TEST(JapaneseLocale, QtsOwnDialogsSpeakJapaneseToo)
{
    if (!uitest::JapaneseLocaleReady()) GTEST_SKIP() << uitest::JapaneseLocaleProblem();
    std::setlocale(LC_ALL, "C");
    qvui::ChooseLanguage();
    std::setlocale(LC_ALL, "");
    EXPECT_TRUE(qvui::IsJapanese());
    testutil::TempDir dir;
    CQuorvaneConfiguratorApp app(dir.Path());
    ASSERT_TRUE(app.InitInstance());
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
    QFileDialog browser(nullptr, QString(), QString::fromStdString(dir.Path()));
    browser.setOption(QFileDialog::DontUseNativeDialog);
    browser.setFileMode(QFileDialog::Directory);
    auto* lookIn = browser.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text(), QString::fromUtf8("アドレス:"));
    auto* buttons = browser.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QString::fromUtf8("選択(&C)"));
}

struct Case {
    const char* locale;
    const char* timer;  // "タイマ" in the locale's code page
};

// The locale's name stands for the case in test names and messages.
void PrintTo(const Case& c, std::ostream* os) { *os << c.locale; }

class DoubleByteNames : public uitest::LoadTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        if (!uitest::JapaneseLocaleReady()) GTEST_SKIP() << uitest::JapaneseLocaleProblem();
        if (std::setlocale(LC_ALL, GetParam().locale) == nullptr) {
            GTEST_SKIP() << "localedef could not make " << GetParam().locale;
        }
        // As the program does at start.
        qvui::SetCodePageFromLocale();
        LoadTest::SetUp();
    }
    void TearDown() override
    {
        LoadTest::TearDown();
        std::setlocale(LC_ALL, "");
        qvui::SetCodePageFromLocale();
    }
    CCtl_SDlg_tsk* Tsk() const { return static_cast<CCtl_SDlg_tsk*>(View()->SettingPanel(2)); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_P(DoubleByteNames, TaskNameSurvivesLoadEditAndWrite)
{
    const std::string timer = GetParam().timer;
    ASSERT_EQ(qvui::FromQ(QString::fromUtf8("タイマ")), timer);
    // The first task's name ends in 0x7D ("}") in Shift-JIS; the second task's state must survive it.
    const std::string dir = m_dir.File("set");
    std::filesystem::create_directories(dir);
    CQuorvaneConfiguratorDoc writer(dir);
    writer.m_confInfo.m_tsk.m_nTskNum = 2;
    writer.m_confInfo.m_tsk.SetTskData(1, 0, 256, timer);
    writer.m_confInfo.m_tsk.SetTskData(2, 1, 256, "tsk02");
    ASSERT_EQ(writer.WriteConfigFiles(dir + "/config.c", dir + "/qvos.def", dir + "/kinit.c"), 0);

    ChooseFolder(dir);
    EXPECT_EQ(Log().size(), 4u) << "a warning in the log: " << Log().back();
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[0], timer);
    EXPECT_EQ(Conf().m_tsk.m_nTskState[1], 1);
    EXPECT_EQ(Tsk()->CellText(0, 4), QString::fromUtf8("タイマ"));

    // The dialog shows the name and takes a longer one; 0x5C ("\") ends the Shift-JIS 表.
    const QString edited = QString::fromUtf8("タイマ表");
    Tsk()->List()->setCurrentItem(Tsk()->List()->topLevelItem(0));
    QString shown;
    EXPECT_TRUE(uitest::AnswerDialog<CCDlg_tskset>([this] { Tsk()->OnDblclkList(); },
                                                   [&](CCDlg_tskset* dialog) {
                                                       shown = dialog->FuncEdit()->text();
                                                       dialog->FuncEdit()->setText(edited);
                                                       dialog->OkButton()->click();
                                                   }));
    EXPECT_EQ(shown, QString::fromUtf8("タイマ"));
    const std::string editedBytes = qvui::FromQ(edited);
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[0], editedBytes);

    // Written in the locale's code page, and read back the same.
    Frame()->Action(311)->trigger();
    EXPECT_NE(Read(dir + "/config.c").find(editedBytes), std::string::npos);
    ChooseFolder(dir);
    EXPECT_EQ(Log().size(), 4u) << "a warning in the log: " << Log().back();
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[0], editedBytes);
    EXPECT_EQ(Conf().m_tsk.m_nTskState[1], 1);
    EXPECT_EQ(Tsk()->CellText(0, 4), edited);
}

// The folder's name is UTF-8 on disk whatever the locale's code page, and the browser lists it so: the
// files are found, the log and the tree show the name as the browser did, and it comes back from the
// settings file through the recent list.
TEST_P(DoubleByteNames, TheFolderChosenIsTheFolderOpened)
{
    const std::string dir = MakeSet("日本語");
    const QString config = QPath(dir + "/config.c");
    ChooseFolder(dir);
    ASSERT_EQ(Log().size(), 4u);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
    EXPECT_TRUE(qvui::ToQ(Log()[1]).contains(config)) << Log()[1];
    EXPECT_EQ(View()->CategoryItem(0)->child(0)->child(0)->text(0), config);

    Restart();
    Frame()->OnInitMenu();
    ASSERT_FALSE(Frame()->RecentMenu()->actions().isEmpty());
    EXPECT_EQ(Frame()->RecentMenu()->actions()[0]->text(), QPath(dir));
    Frame()->RecentMenu()->actions()[0]->trigger();
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(Edit(901), dir);
    // The output command's backup and write lines show it the same way.
    Frame()->Action(311)->trigger();
    EXPECT_TRUE(qvui::ToQ(View()->OutputPanel()->GetLogText()).contains(QPath(dir + "/kinit.c.bk001")));
}

// A folder named in the locale's code page, as programs of that locale name it, and one named in UTF-8:
// each reaches the files from a recent entry of the settings file, typed by hand (an output file not yet
// there included) and after a restart with its own bytes, and is shown readably.
TEST_P(DoubleByteNames, AFolderKeepsTheBytesOfItsName)
{
    for (const QString& name : {QString::fromUtf8("日本SJIS"), QString::fromUtf8("日本UTF8")}) {
        const std::string dir = MakeSet(name.endsWith(QLatin1String("SJIS")) ? qvui::FromQ(name) : name.toStdString());
        const QString shown = QString::fromStdString(m_dir.Path()) + QLatin1Char('/') + name;
        Restart("[DATABASE VERSION]\r\n1.1\r\n\r\n[RECENTLY CONFIG]\r\n1:" + dir + "," + dir + "/config.c," + dir +
                "/qvos.def," + dir + "/kinit.c,,,\r\n");
        Frame()->OnInitMenu();
        EXPECT_EQ(Frame()->RecentMenu()->actions()[0]->text(), shown);
        Frame()->RecentMenu()->actions()[0]->trigger();
        ASSERT_EQ(Log().size(), 4u) << Log().back();
        EXPECT_TRUE(qvui::ToQ(Log()[1]).contains(shown)) << Log()[1];

        const char* const files[] = {"", "/config.c", "/qvos.def", "/kinit.c", "/out.c", "", ""};
        for (int i = 0; i < 5; ++i) Proj()->PathEdit(901 + 2 * i)->setText(shown + QLatin1String(files[i]));
        // A new name in an ASCII folder (which exists in both forms) takes the locale's code page.
        Proj()->PathEdit(913)->setText(QString::fromStdString(m_dir.Path()) + QString::fromUtf8("/出力.c"));
        Click(1105);
        ASSERT_EQ(Log().size(), 4u) << Log().back();
        Restart();
        EXPECT_EQ(Conf().m_ini.GetRecentDir(0), dir);
        EXPECT_EQ(Conf().m_ini.GetRecentInKinit(0), dir + "/kinit.c");
        EXPECT_EQ(Conf().m_ini.GetRecentOutConfig(0), dir + "/out.c");
        EXPECT_EQ(Conf().m_ini.GetRecentOutKinit(0), m_dir.Path() + "/" + qvui::FromQ(QString::fromUtf8("出力.c")));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, DoubleByteNames,
                         ::testing::Values(Case{"ja_JP.SJIS", "\x83\x5e\x83\x43\x83\x7d"},
                                           Case{"ja_JP.UTF-8", "\xe3\x82\xbf\xe3\x82\xa4\xe3\x83\x9e"}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return info.index == 0 ? std::string("ShiftJis") : std::string("Utf8");
                         });

}  // namespace
