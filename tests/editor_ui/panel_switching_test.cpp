// The enable mask and the command states, panel switching with its refusals and message, the form-change
// cycle, and the panels' keyboard rules.
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "command_ids.h"
#include "panels/CCtl_SDlg_systim.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace {

using uitest::EditorTest;

const QString kMessage4012 = QStringLiteral("Please perform various setting\nafter select CONFIG-FILES");

class CommandStates : public EditorTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(CommandStates, EachCommandFollowsItsBit)
{
    const uint32_t mask = GetParam();
    View()->SetEnableMask(mask);
    for (int id = 302; id <= 311; ++id) {
        const bool expected = (mask & (1u << (id - 302))) != 0;
        EXPECT_EQ(Frame()->Action(id)->isEnabled(), expected) << "command " << id;
        EXPECT_EQ(View()->IsCommandEnabled(id), expected) << "command " << id;
        if (auto* button = qobject_cast<QToolButton*>(Frame()->ToolBar()->widgetForAction(Frame()->Action(id)))) {
            EXPECT_EQ(button->isEnabled(), expected) << "tool button " << id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, CommandStates, ::testing::Values(3u, 0x203u, 0x1ffu, 0x3ffu));

TEST_F(EditorTest, MaskIsThreeAfterStartUp)
{
    EXPECT_EQ(View()->m_nEnableMask, 3u);
    EXPECT_TRUE(Frame()->Action(302)->isEnabled());
    EXPECT_TRUE(Frame()->Action(303)->isEnabled());
    EXPECT_FALSE(Frame()->Action(304)->isEnabled());
    EXPECT_FALSE(Frame()->Action(311)->isEnabled());
}

TEST_F(EditorTest, TargetsThatAreNoCategoryAreIgnored)
{
    EnableAll();
    View()->SwitchPanel(Title(), "QuorvaneOS CONF-FILES");
    View()->SwitchPanel(Title(), "1 - Rotation Task - Priority=1 - tsk01 - Ready - Stack Size=128");
    View()->SwitchPanel(Title(), "task");  // comparison is case-sensitive
    EXPECT_EQ(Title(), "Quorvane Configurator Ver1.00.18");
    EXPECT_EQ(ShownPanel(), 0);
    // A click on the root does not switch either.
    View()->Tree()->setCurrentItem(View()->RootItem());
    EXPECT_EQ(Title(), "Quorvane Configurator Ver1.00.18");
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, EnabledCategoryShowsItsPanelSelectsItsItemAndSetsTheTitle)
{
    EnableAll();
    const char* categories[] = {"Select CONF-FILES", "CPU/Kernel Mask Level", "TASK", "EVENTFLG",
                                "SEMAPHORE", "DATA-QUE", "SYSTEM-TIME", "CYCLIC-HANDLER"};
    for (int i : {2, 5, 1, 7, 3, 4, 6, 0}) {
        View()->SwitchPanel(Title(), categories[i]);
        EXPECT_EQ(Title(), categories[i]);
        EXPECT_EQ(ShownPanel(), i) << categories[i];
        EXPECT_EQ(View()->Tree()->currentItem(), View()->CategoryItem(i));
        EXPECT_TRUE(View()->OutputPanel()->isVisible());
    }
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, DisabledCategoryFromTheTreeLeadsToConfigurationFilesAndMessage4012)
{
    View()->SetEnableMask(3);
    View()->Tree()->setCurrentItem(View()->CategoryItem(2));
    // The nested switch through the tree's selection set the title; the outer one showed the message.
    EXPECT_EQ(View()->Tree()->currentItem(), View()->CategoryItem(0));
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_EQ(Title(), "Select CONF-FILES");
    EXPECT_EQ(MessagesAsked(kMessage4012), 1);
    ASSERT_EQ(qvui::AskedDialogs().size(), 1u);
    EXPECT_EQ(qvui::AskedDialogs()[0].type, qvui::MB_OK);
}

TEST_F(EditorTest, ClickOnADisabledCategoryLeavesTheConfigurationFilesItemHighlighted)
{
    View()->SetEnableMask(3);
    QTreeWidget* tree = View()->Tree();
    // A real click: the tree makes the item current first and selects it afterwards.
    const QRect task = tree->visualItemRect(View()->CategoryItem(2));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(task.x() + 8, task.center().y()));
    EXPECT_EQ(MessagesAsked(kMessage4012), 1);
    EXPECT_EQ(Title(), "Select CONF-FILES");
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_EQ(tree->currentItem(), View()->CategoryItem(0));
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front(), View()->CategoryItem(0)) << selected.front()->text(0).toStdString();
    // An enabled category clicked the same way is both current and highlighted.
    EnableAll();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(task.x() + 8, task.center().y()));
    EXPECT_EQ(Title(), "TASK");
    EXPECT_EQ(tree->currentItem(), View()->CategoryItem(2));
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{View()->CategoryItem(2)});
    EXPECT_TRUE(View()->SettingPanel(2)->isAncestorOf(Frame()->focusWidget()));  // and goes into its panel
}

TEST_F(EditorTest, DisabledCategoryWhileConfigurationFilesItemIsSelectedShowsMessageWithoutNestedSwitch)
{
    View()->SetEnableMask(3);
    View()->OnSelectConfFiles();
    EXPECT_EQ(Title(), "Select CONF-FILES");
    // The item is already selected: no nested switch, the title stays, the message comes.
    View()->SwitchPanel(Title(), "SEMAPHORE");
    EXPECT_EQ(Title(), "Select CONF-FILES");
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_EQ(MessagesAsked(kMessage4012), 1);
}

TEST_F(EditorTest, ConfigurationFilesPanelIsShownWithoutItsBit)
{
    View()->SetEnableMask(0x1);
    View()->SwitchPanel(Title(), "Select CONF-FILES");
    EXPECT_EQ(Title(), "Select CONF-FILES");
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, InvalidSystemTimeBlocksEverySwitchAwayAndToItself)
{
    EnableAll();
    View()->OnSystemTime();
    ASSERT_EQ(Title(), "SYSTEM-TIME");
    auto* edit = View()->SystimPanel()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QString());
    View()->OnTask();
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_EQ(ShownPanel(), 6);
    EXPECT_EQ(MessagesAsked(LoadStr(4013)), 1);
    View()->SwitchPanel(Title(), "SYSTEM-TIME");
    EXPECT_EQ(MessagesAsked(LoadStr(4013)), 2);
    // The form-change command is refused the same way; a text that is no plain number sets the mark.
    edit->setText(QStringLiteral("0500"));
    View()->OnChangeForm();
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_EQ(MessagesAsked(LoadStr(4014)), 1);
    EXPECT_EQ(View()->SystimPanel()->m_bInvalid, 1);
    // A plain number is stored and lets the switch go on.
    edit->setText(QStringLiteral(" 500 "));
    View()->OnTask();
    EXPECT_EQ(Title(), "TASK");
    EXPECT_EQ(Doc()->GetConfInfo().m_tim.m_nCyclicTime, 500);
}

TEST_F(EditorTest, ClickRefusedByAnInvalidSystemTimeMovesTheHighlightBack)
{
    EnableAll();
    View()->OnSystemTime();
    auto* edit = View()->SystimPanel()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QStringLiteral("0500"));
    QTreeWidget* tree = View()->Tree();
    const QRect task = tree->visualItemRect(View()->CategoryItem(2));
    const QPoint at(task.x() + 8, task.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(MessagesAsked(LoadStr(4014)), 1);
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_EQ(tree->currentItem(), View()->CategoryItem(6));
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{View()->CategoryItem(6)});
    // Once the value is fixed, the same click switches.
    edit->setText(QStringLiteral("500"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(Title(), "TASK");
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{View()->CategoryItem(2)});
    EXPECT_EQ(MessagesAsked(LoadStr(4014)), 1);
}

TEST_F(EditorTest, FormChangeFromVersionTitleGoesToConfigurationFilesAndStopsThereWithMaskThree)
{
    View()->SetEnableMask(3);
    View()->OnChangeForm();
    EXPECT_EQ(Title(), "Select CONF-FILES");
    View()->OnChangeForm();
    EXPECT_EQ(Title(), "Select CONF-FILES");
    EXPECT_EQ(ShownPanel(), 0);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, FormChangeVisitsEveryPanelInOrderWithAllBitsSet)
{
    EnableAll();
    const char* expected[] = {"Select CONF-FILES", "CPU/Kernel Mask Level", "TASK", "EVENTFLG", "SEMAPHORE",
                              "DATA-QUE", "SYSTEM-TIME", "CYCLIC-HANDLER", "Select CONF-FILES"};
    for (int i = 0; i < 9; ++i) {
        Frame()->Action(qvcmd::kChangeForm)->trigger();
        EXPECT_EQ(Title(), expected[i]) << "step " << i;
        EXPECT_EQ(ShownPanel(), i % 8) << "step " << i;
    }
}

TEST_F(EditorTest, FormChangeStopsBeforeADisabledCategory)
{
    EnableAll(0x3ff & ~0x40u);
    for (int i = 0; i < 9; ++i) View()->OnChangeForm();
    EXPECT_EQ(Title(), "SEMAPHORE");
    EXPECT_EQ(ShownPanel(), 4);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(EditorTest, PanelCommandsSwitchToTheirCategory)
{
    EnableAll();
    const std::pair<int, const char*> commands[] = {
        {304, "CPU/Kernel Mask Level"}, {305, "TASK"}, {306, "EVENTFLG"}, {307, "SEMAPHORE"},
        {308, "DATA-QUE"}, {309, "SYSTEM-TIME"}, {310, "CYCLIC-HANDLER"}, {303, "Select CONF-FILES"}};
    for (const auto& [id, title] : commands) {
        Frame()->Action(id)->trigger();
        EXPECT_EQ(Title(), title);
    }
}

TEST_F(EditorTest, EnterAndEscapeInAPanelCloseNothing)
{
    EnableAll();
    for (int i = 0; i < 8; ++i) {
        View()->SwitchPanel(Title(), View()->CategoryItem(i)->text(0).toStdString());
        QWidget* panel = View()->SettingPanel(i);
        QTest::keyClick(panel, Qt::Key_Return);
        QTest::keyClick(panel, Qt::Key_Enter);
        QTest::keyClick(panel, Qt::Key_Escape);
        EXPECT_TRUE(panel->isVisible()) << i;
    }
    QTest::keyClick(View()->OutputPanel(), Qt::Key_Escape);
    EXPECT_TRUE(View()->OutputPanel()->isVisible());
    EXPECT_TRUE(Frame()->isVisible());
}

}  // namespace
