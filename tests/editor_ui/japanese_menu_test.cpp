// Under a Japanese locale the editor chooses its Japanese texts: the menu and the status prompts.
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>

#include "ui_test_util.h"
#include "ui_text.h"

namespace {

class JapaneseMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!uitest::JapaneseLocaleReady()) GTEST_SKIP() << uitest::JapaneseLocaleProblem();
    }
    testutil::TempDir m_dir;
};

TEST_F(JapaneseMenu, MenuBarIsJapanese)
{
    EXPECT_TRUE(qvui::IsJapanese());
    uitest::Editor editor(m_dir.Path());
    editor.Start();
    QStringList menus;
    for (QAction* a : editor.frame->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{QString::fromUtf8("ファイル(&F)"), QString::fromUtf8("編集(&E)"),
                                  QString::fromUtf8("表示(&V)"), QString::fromUtf8("ビルド(&B)"),
                                  QString::fromUtf8("ヘルプ(&H)")}));
    EXPECT_EQ(editor.frame->Action(57634)->text(), QString::fromUtf8("コピー(&C)\tCtrl+C"));
    EXPECT_EQ(editor.frame->Action(305)->statusTip(), QString::fromUtf8("タスクを設定します"));
    // Same ids and structure as the English menu; the title stays the version string.
    EXPECT_EQ(editor.frame->Action(57665)->text(), QString::fromUtf8("終了(&X)"));
    EXPECT_EQ(editor.frame->windowTitle(), QStringLiteral("Quorvane Configurator Ver1.00.18"));
    // The categories, the panel commands and the title label all use the Japanese category texts.
    EXPECT_EQ(editor.frame->Action(305)->text(), QString::fromUtf8("タスク"));
    editor.view->OnChangeForm();
    EXPECT_EQ(editor.view->TitleLabel()->text(), QString::fromUtf8("構成ファイル選択"));
    emit editor.frame->FileMenu()->aboutToShow();
    ASSERT_EQ(editor.frame->RecentMenu()->actions().size(), 1);
    EXPECT_EQ(editor.frame->RecentMenu()->actions()[0]->text(), QStringLiteral("<NONE>"));
    EXPECT_EQ(editor.frame->RecentMenu()->title(), QString::fromUtf8("最近使った構成ファイル"));
}

// The tree's summary lines and the output panel's label take their labels in the same language.
TEST_F(JapaneseMenu, SummaryLinesAndMemorySizeLabelAreJapanese)
{
    uitest::Editor editor(m_dir.Path());
    editor.Start();
    editor.view->RefreshAll();
    QTreeWidgetItem* tasks = editor.view->CategoryItem(2);
    ASSERT_EQ(tasks->childCount(), 3);
    EXPECT_EQ(tasks->child(0)->text(0),
              QString::fromUtf8("1 - ローテーションタスク - 優先度=1 - tsk01 - 実行可能 - スタックサイズ=128"));
    ASSERT_EQ(editor.view->CategoryItem(3)->childCount(), 1);
    EXPECT_EQ(editor.view->CategoryItem(3)->child(0)->text(0), QString::fromUtf8("無効"));
    EXPECT_EQ(editor.view->OutputPanel()->MemorySizeLabel()->text(), QString::fromUtf8("メモリサイズ : ROM="));
}

}  // namespace

namespace {

TEST_F(JapaneseMenu, ScreenshotIsWritten)
{
    uitest::Editor editor(m_dir.Path());
    editor.Start();
    editor.view->RefreshAll();
    editor.view->SetEnableMask(0x3ff);
    uitest::SendMouse(editor.view, QEvent::MouseButtonPress, QPoint(102, 100));
    uitest::SendMouse(editor.view, QEvent::MouseMove, QPoint(190, 100));
    uitest::SendMouse(editor.view, QEvent::MouseButtonRelease, QPoint(190, 100));
    editor.view->OnTask();
    QCoreApplication::processEvents();
    QByteArray dir = qgetenv("QV_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QV_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    ASSERT_TRUE(editor.frame->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main_window_ja.png")));
}

}  // namespace
