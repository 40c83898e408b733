// Start-up of the editor without a settings file: title, frame rectangle, bars, tree, panels, File menu,
// tool bar, status bar and the about box.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "app/CAboutDlg.h"
#include "command_ids.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace {

using uitest::EditorTest;

TEST(Startup, ApplicationStartsWithDefaultsWhenNoSettingsFileExists)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorApp app(dir.Path());
    ASSERT_TRUE(app.InitInstance());
    CCMain_Frm* frame = app.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quorvane Configurator Ver1.00.18"));
    EXPECT_EQ(frame->frameGeometry(), QRect(0, 0, 680, 550));
    EXPECT_EQ(app.GetView()->VerticalBar()->x(), 100);
    EXPECT_EQ(app.GetView()->HorizontalBar()->y(), 320);
    EXPECT_EQ(app.GetDocument()->GetStartDir(), dir.Path());
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Pellaron,Inc."));
}

TEST_F(EditorTest, TreeShowsRootAndEightEmptyCategories)
{
    QTreeWidget* tree = View()->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("QuorvaneOS CONF-FILES"));
    EXPECT_TRUE(root->isExpanded());
    const char* categories[] = {"Select CONF-FILES", "CPU/Kernel Mask Level", "TASK", "EVENTFLG",
                                "SEMAPHORE", "DATA-QUE", "SYSTEM-TIME", "CYCLIC-HANDLER"};
    ASSERT_EQ(root->childCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(root->child(i)->text(0), QString::fromLatin1(categories[i]));
        EXPECT_EQ(root->child(i)->childCount(), 0) << categories[i];
    }
}

TEST_F(EditorTest, ConfigurationFilesAndOutputPanelsAreTheOnlyOnesShown)
{
    EXPECT_EQ(Title(), "Quorvane Configurator Ver1.00.18");
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_TRUE(View()->OutputPanel()->isVisible());
    EXPECT_STREQ(View()->SettingPanel(0)->metaObject()->className(), "CCtl_SDlg_Proj");
    const char* classes[] = {"CCtl_SDlg_Proj", "CCtl_SDlg_Cpu", "CCtl_SDlg_tsk", "CCtl_SDlg_event",
                             "CCtl_SDlg_semaphore", "CCtl_SDlg_datq", "CCtl_SDlg_systim", "CCtl_SDlg_cychdr"};
    for (int i = 0; i < 8; ++i) EXPECT_STREQ(View()->SettingPanel(i)->metaObject()->className(), classes[i]);
    EXPECT_STREQ(View()->OutputPanel()->metaObject()->className(), "CCtl_SDlg_output");
    EXPECT_EQ(View()->m_crRed, QColor(255, 0, 0));
    EXPECT_EQ(View()->m_crWhite, QColor(255, 255, 255));
}

TEST_F(EditorTest, FileMenuListsTheSinglePlaceholderOfAnEmptyRecentList)
{
    emit Frame()->FileMenu()->aboutToShow();
    const QList<QAction*> items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QStringLiteral("<NONE>"));
    EXPECT_EQ(items[0]->data().toInt(), 32796);
    EXPECT_TRUE(items[0]->isEnabled());
    // Choosing it changes nothing.
    items[0]->trigger();
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, RecentSubmenuIsRebuiltEachTimeTheFileMenuOpens)
{
    CCData_conf_ini& recent = Doc()->GetConfInfo().m_ini;
    recent.SetRecentDir(0, "/work/b");
    recent.SetRecentDir(1, "/work/a");
    recent.m_nRecentNum = 2;
    emit Frame()->FileMenu()->aboutToShow();
    QList<QAction*> items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), recent.m_nRecentNum);
    EXPECT_EQ(items[0]->text(), QString::fromStdString(recent.GetRecentDir(0)));
    EXPECT_EQ(items[0]->data().toInt(), 32796);
    EXPECT_EQ(items[1]->text(), QStringLiteral("/work/a"));
    EXPECT_EQ(items[1]->data().toInt(), 32797);
    recent.SetRecentDir(2, "/work/c");
    recent.m_nRecentNum = 3;
    emit Frame()->FileMenu()->aboutToShow();
    items = Frame()->RecentMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2]->text(), QStringLiteral("/work/c"));
    EXPECT_EQ(items[2]->data().toInt(), 32798);
}

TEST_F(EditorTest, ToolBarHoldsTheCommandsInOrderWithVisibleIcons)
{
    std::vector<int> ids;
    for (QAction* a : Frame()->ToolBar()->actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(ids, (std::vector<int>{302, 0, 303, 0, 304, 305, 306, 307, 308, 309, 310, 0, 311}));
    EXPECT_EQ(Frame()->ToolBar()->iconSize(), QSize(16, 16));
    for (QAction* a : Frame()->ToolBar()->actions()) {
        if (a->isSeparator()) continue;
        const QPixmap pixmap = a->icon().pixmap(16, 16);
        ASSERT_FALSE(pixmap.isNull()) << a->data().toInt();
        // Not a blank square: the icon has opaque pixels.
        const QImage image = pixmap.toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(opaque, 20) << a->data().toInt();
    }
    const QPixmap picture = View()->Picture()->pixmap();
    EXPECT_EQ(picture.size(), QSize(70, 25));
}

TEST_F(EditorTest, CommandsCarryTheirStatusPromptsAndToolTips)
{
    struct Expect { int id; const char* prompt; const char* tip; };
    const Expect expected[] = {
        {302, "Changee FORM", "Changee FORM"},
        {303, "Select CONF-FILES", "Select CONF-FILES"},
        {304, "Select CPU/Kernel Mask Level", "CPU/Kernel Mask Level"},
        {305, "TASK Setting", "TASK"},
        {306, "EVENTFLG Setting", "EVENTFLG"},
        {307, "SEMAPHORE Setting", "SEMAPHORE"},
        {308, "DATA-QUE Setting", "DATA-QUE"},
        {309, "SYSTEM-TIME Setting", "SYSTEM-TIME"},
        {310, "CYCLIC-HANDLER Setting", "CYCLIC-HANDLER"},
        {311, "Output CONF-FLIES", "Output CONF-FLIES"},
        {32785, "QuorvaneConfigurator Version", "Version"},
    };
    for (const Expect& e : expected) {
        QAction* a = Frame()->Action(e.id);
        ASSERT_NE(a, nullptr) << e.id;
        EXPECT_EQ(a->statusTip(), QString::fromLatin1(e.prompt)) << e.id;
        EXPECT_EQ(a->toolTip(), QString::fromLatin1(e.tip)) << e.id;
    }
    emit Frame()->FileMenu()->aboutToShow();
    EXPECT_EQ(Frame()->RecentMenu()->actions()[0]->statusTip(), QStringLiteral("Open this document"));
}

TEST_F(EditorTest, MenuTextsAndStatusPanes)
{
    QStringList menus;
    for (QAction* a : Frame()->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Build(&B)", "Help(&H)"}));
    EXPECT_EQ(Frame()->Action(57635)->text(), QStringLiteral("Cut(&T)\tCtrl+X"));
    EXPECT_EQ(Frame()->Action(57665)->text(), QStringLiteral("Exit(&X)"));
    EXPECT_EQ(Frame()->Action(59392)->text(), QStringLiteral("Toggle ToolBar(&T)"));
    EXPECT_EQ(Frame()->Action(311)->text(), QStringLiteral("Output CONF-FLIES(&O)"));
    EXPECT_EQ(Frame()->Action(310)->text(), QStringLiteral("CYCLIC-HANDLER"));
    EXPECT_EQ(Frame()->Action(32785)->text(), QStringLiteral("QuorvaneConfigurator Version(&A)..."));
    QStringList panes;
    for (QLabel* l : Frame()->StatusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        panes << l->text();
    }
    EXPECT_EQ(panes, (QStringList{"KANA", "CAP", "NUM", "SCRL"}));
}

TEST_F(EditorTest, ViewTogglesHideAndShowTheBars)
{
    Frame()->Action(qvcmd::kViewToolBar)->trigger();
    EXPECT_FALSE(Frame()->ToolBar()->isVisible());
    Frame()->Action(qvcmd::kViewToolBar)->trigger();
    EXPECT_TRUE(Frame()->ToolBar()->isVisible());
    Frame()->Action(qvcmd::kViewStatusBar)->trigger();
    EXPECT_FALSE(Frame()->StatusBar()->isVisible());
}

TEST(Startup, AboutBoxShowsVersionAndCaptionAndClosesWithOk)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorApp app(dir.Path());
    ASSERT_TRUE(app.InitInstance());
    QString caption, version;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* about = qobject_cast<CAboutDlg*>(modal);
        if (about == nullptr) {
            if (modal != nullptr) modal->close();
            return;
        }
        seen = true;
        caption = about->windowTitle();
        version = about->VersionLabel()->text();
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("button603"));
        if (ok != nullptr) ok->click();
        else about->reject();
    });
    app.GetMainFrame()->Action(qvcmd::kAppAbout)->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(caption, QStringLiteral("Quorvane Configurator Version"));
    EXPECT_EQ(version, QStringLiteral("Quorvane Configurator Ver1.00.18"));
}

}  // namespace

namespace {

TEST(StringTable, EveryTextTheShellUsesExistsInBothLanguages)
{
    const int ids[] = {141, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 351, 352, 353, 354, 355, 356,
                       357, 358, 359, 2405, 4012, 4013, 4014, 32785, 32796, 32797, 32798, 57345, 57634,
                       57635, 57637, 57665, 59137, 59138, 59139, 59142, 59392, 59393};
    const char* keys[] = {"menu.file", "menu.file.recent", "menu.file.none", "menu.file.exit", "menu.edit",
                          "menu.edit.cut", "menu.edit.copy", "menu.edit.paste", "menu.view",
                          "menu.view.toolbar", "menu.view.statusbar", "menu.build", "menu.build.output",
                          "menu.help", "menu.help.about", "about.notice"};
    const bool japanese = qvui::IsJapanese();
    for (bool ja : {false, true}) {
        qvui::SetJapanese(ja);
        for (int id : ids) EXPECT_FALSE(LoadStr(id).isEmpty()) << id << (ja ? " ja" : " en");
        for (const char* key : keys) EXPECT_FALSE(LoadStr(key).isEmpty()) << key << (ja ? " ja" : " en");
    }
    qvui::SetJapanese(japanese);
}

}  // namespace
