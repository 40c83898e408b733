// The navigation tree's summary lines: the lines of a configuration, expanded and collapsed items across
// rebuilds, the clear, kinds not used, and a selected summary line deleted by a rebuild.
#include <QStringList>
#include <QTreeWidget>

#include "command_ids.h"
#include "ui_test_util.h"
#include "ui_text.h"

namespace {

using uitest::EditorTest;

enum { kConfFiles, kCpu, kTask, kEventFlag, kSemaphore, kDataQueue, kSystemTime, kCyclicHandler };

QStringList ChildTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
}

class TreeTest : public EditorTest {
protected:
    QTreeWidgetItem* Category(int index) const { return View()->CategoryItem(index); }
    CCData_conf_info& Conf() const { return Doc()->GetConfInfo(); }

    // Five tasks of which two are priority tasks, every optional kind used.
    void SetExampleConfiguration() const
    {
        CCData_conf_info& conf = Conf();
        conf.m_tsk.m_nTskNum = 5;
        conf.m_tsk.m_nTskPriNum = 2;
        conf.m_tsk.SetTskData(2, 1, 256, "main_task");
        conf.m_flg.SetUse(1);
        conf.m_flg.m_nFlgNum = 2;
        conf.m_flg.m_nFlgAttr[0] = 7;
        conf.m_flg.m_nFlgAttr[1] = 0;
        conf.m_sem.SetUse(1);
        conf.m_sem.m_nSemNum = 2;
        conf.m_sem.SetSemData(1, 1, 3);
        conf.m_sem.SetSemData(2, 0, 0);
        conf.m_dtq.SetUse(1);
        conf.m_dtq.m_nDtqNum = 1;
        conf.m_dtq.SetDtqData(1, 1, 16);
        conf.m_tim.SetUse(1);
        conf.m_tim.m_nCyclicTime = 10;
        conf.m_cyc.SetUse(1);
        conf.m_cyc.m_nCycNum = 2;
        conf.m_cyc.SetCycData(1, 0, "blink", 1000);
        conf.m_cyc.SetCycData(2, 1, "%s%n", 50);
    }
};

TEST_F(TreeTest, SummaryLinesShowTheConfiguration)
{
    SetExampleConfiguration();
    View()->RefreshAll();

    // The path and CPU items take their texts from the two panels; the groups and labels are fixed.
    ASSERT_EQ(ChildTexts(Category(kConfFiles)), QStringList({"Input COFIG-FILES", "Output COFIG-FILES"}));
    EXPECT_EQ(ChildTexts(Category(kConfFiles)->child(0)).size(), 3);
    EXPECT_EQ(ChildTexts(Category(kConfFiles)->child(1)).size(), 3);
    EXPECT_EQ(ChildTexts(Category(kCpu)), QStringList({"CPU :H8/300H(Normal mode)",
                                                       "Mode :CCR.UI=User bit(Interrupt Level=2)",
                                                       "Kernel Mask Level :Level1"}));

    EXPECT_EQ(ChildTexts(Category(kTask)),
              QStringList({"1 - Priority Task - Priority=1 - tsk01 - Ready - Stack Size=128",
                           "2 - Priority Task - Priority=2 - main_task - Waiting(SLP) - Stack Size=256",
                           "3 - Rotation Task - Priority=3 - tsk03 - Ready - Stack Size=128",
                           "4 - Rotation Task - Priority=3 - tsk04 - Ready - Stack Size=128",
                           "5 - Rotation Task - Priority=3 - tsk05 - Ready - Stack Size=128"}));

    ASSERT_EQ(ChildTexts(Category(kEventFlag)), QStringList({"Enable"}));
    EXPECT_EQ(ChildTexts(Category(kEventFlag)->child(0)),
              QStringList({"1 - Wait Off Attr=AND - CLR=O - Wait Que=FIFO",
                           "2 - Wait Off Attr=OR - CLR=x - Wait Que=Priority"}));
    ASSERT_EQ(ChildTexts(Category(kSemaphore)), QStringList({"Enable"}));
    EXPECT_EQ(ChildTexts(Category(kSemaphore)->child(0)),
              QStringList({"1 - Init Semaphore Number=3 - Wait Que=FIFO",
                           "2 - Init Semaphore Number=0 - Wait Que=Priority"}));
    ASSERT_EQ(ChildTexts(Category(kDataQueue)), QStringList({"Enable"}));
    EXPECT_EQ(ChildTexts(Category(kDataQueue)->child(0)), QStringList({"1 - Data Number=16 - Wait Que=FIFO"}));
    ASSERT_EQ(ChildTexts(Category(kSystemTime)), QStringList({"Enable - 10 msec"}));
    EXPECT_EQ(Category(kSystemTime)->child(0)->childCount(), 0);
    ASSERT_EQ(ChildTexts(Category(kCyclicHandler)), QStringList({"Enable"}));
    // A handler name is shown as it stands, never taken as a template.
    EXPECT_EQ(ChildTexts(Category(kCyclicHandler)->child(0)),
              QStringList({"1 - blink - CYCLIC Time=1000 - Init Start Attr=Stop",
                           "2 - %s%n - CYCLIC Time=50 - Init Start Attr=Start"}));
}

TEST_F(TreeTest, EveryTaskIsAPriorityTaskWhenAllAre)
{
    Conf().m_tsk.m_nTskNum = 3;
    Conf().m_tsk.m_nTskPriNum = 3;
    View()->RefreshAll();
    EXPECT_EQ(ChildTexts(Category(kTask)),
              QStringList({"1 - Priority Task - Priority=1 - tsk01 - Ready - Stack Size=128",
                           "2 - Priority Task - Priority=2 - tsk02 - Ready - Stack Size=128",
                           "3 - Priority Task - Priority=3 - tsk03 - Ready - Stack Size=128"}));
}

TEST_F(TreeTest, DefaultConfigurationShowsDisableAndTheDefaultSystemTime)
{
    View()->RefreshAll();
    EXPECT_EQ(ChildTexts(Category(kTask)).first(), QStringLiteral("1 - Rotation Task - Priority=1 - tsk01 - Ready - Stack Size=128"));
    for (int kind : {kEventFlag, kSemaphore, kDataQueue, kSystemTime, kCyclicHandler}) {
        ASSERT_EQ(ChildTexts(Category(kind)), QStringList({"Disable"})) << kind;
        EXPECT_EQ(Category(kind)->child(0)->childCount(), 0) << kind;
    }
    Conf().m_tim.SetUse(1);
    View()->RefreshAll();
    EXPECT_EQ(ChildTexts(Category(kSystemTime)), QStringList({"Enable - 250 msec"}));
}

TEST_F(TreeTest, KindNotUsedShowsOnlyDisableWhateverItsCount)
{
    SetExampleConfiguration();
    Conf().m_flg.SetUse(0);
    Conf().m_flg.m_nFlgNum = 5;
    // Only exactly 1 counts as used.
    Conf().m_sem.SetUse(2);
    Conf().m_cyc.SetUse(-1);
    View()->RefreshAll();
    for (int kind : {kEventFlag, kSemaphore, kCyclicHandler}) {
        ASSERT_EQ(ChildTexts(Category(kind)), QStringList({"Disable"})) << kind;
        EXPECT_EQ(Category(kind)->child(0)->childCount(), 0) << kind;
    }
    EXPECT_EQ(ChildTexts(Category(kDataQueue)), QStringList({"Enable"}));
}

TEST_F(TreeTest, ExpandedItemsStayExpandedAndCollapsedOnesCollapsedAcrossRebuilds)
{
    SetExampleConfiguration();
    View()->RefreshAll();
    // The user opens some items and leaves others closed.
    Category(kConfFiles)->setExpanded(true);
    Category(kConfFiles)->child(1)->setExpanded(true);  // output group; the input group stays closed
    Category(kTask)->setExpanded(true);
    Category(kEventFlag)->setExpanded(true);
    Category(kEventFlag)->child(0)->setExpanded(true);
    Category(kSemaphore)->setExpanded(true);             // its "Enable" stays closed
    Category(kDataQueue)->child(0)->setExpanded(true);   // open below a closed category
    Category(kCyclicHandler)->child(0)->setExpanded(true);

    // An edit elsewhere: one more task and one more event flag.
    Conf().m_tsk.m_nTskNum = 6;
    Conf().m_flg.m_nFlgNum = 3;
    for (int round = 0; round < 2; ++round) {
        View()->RefreshAll();
        SCOPED_TRACE(round);
        EXPECT_TRUE(Category(kConfFiles)->isExpanded());
        EXPECT_FALSE(Category(kConfFiles)->child(0)->isExpanded());
        EXPECT_TRUE(Category(kConfFiles)->child(1)->isExpanded());
        EXPECT_FALSE(Category(kCpu)->isExpanded());
        EXPECT_TRUE(Category(kTask)->isExpanded());
        EXPECT_EQ(Category(kTask)->childCount(), 6);
        EXPECT_TRUE(Category(kEventFlag)->isExpanded());
        EXPECT_TRUE(Category(kEventFlag)->child(0)->isExpanded());
        EXPECT_EQ(Category(kEventFlag)->child(0)->childCount(), 3);
        EXPECT_TRUE(Category(kSemaphore)->isExpanded());
        EXPECT_FALSE(Category(kSemaphore)->child(0)->isExpanded());
        EXPECT_FALSE(Category(kDataQueue)->isExpanded());
        EXPECT_TRUE(Category(kDataQueue)->child(0)->isExpanded());
        EXPECT_FALSE(Category(kSystemTime)->isExpanded());
        EXPECT_FALSE(Category(kCyclicHandler)->isExpanded());
        EXPECT_TRUE(Category(kCyclicHandler)->child(0)->isExpanded());
    }

    // Closing an item is kept as well.
    Category(kTask)->setExpanded(false);
    Category(kEventFlag)->child(0)->setExpanded(false);
    View()->RefreshAll();
    EXPECT_FALSE(Category(kTask)->isExpanded());
    EXPECT_TRUE(Category(kEventFlag)->isExpanded());
    EXPECT_FALSE(Category(kEventFlag)->child(0)->isExpanded());
}

TEST_F(TreeTest, ItemHelpersTreatNullAsNotExpandedAndExpandOnlyForFlagOne)
{
    QTreeWidgetItem* task = Category(kTask);
    EXPECT_EQ(View()->IsTreeItemExpanded(nullptr), 0);
    View()->ExpandTreeItem(1, nullptr);  // nothing to expand, no crash
    View()->RefreshAll();
    EXPECT_EQ(View()->IsTreeItemExpanded(task), 0);
    View()->ExpandTreeItem(2, task);
    EXPECT_EQ(View()->IsTreeItemExpanded(task), 0);
    View()->ExpandTreeItem(1, task);
    EXPECT_EQ(View()->IsTreeItemExpanded(task), 1);

    View()->DeleteChildItems(task);
    EXPECT_EQ(task->childCount(), 0);
    View()->DeleteChildItems(nullptr);
}

TEST_F(TreeTest, ClearEmptiesTheCategoriesAndTheNextRebuildStartsCollapsed)
{
    SetExampleConfiguration();
    View()->RefreshAll();
    Category(kConfFiles)->child(0)->setExpanded(true);
    Category(kConfFiles)->child(1)->setExpanded(true);
    for (int kind : {kEventFlag, kSemaphore, kDataQueue, kSystemTime, kCyclicHandler}) {
        Category(kind)->setExpanded(true);
        Category(kind)->child(0)->setExpanded(true);
    }

    View()->ClearTree();
    QTreeWidgetItem* root = View()->RootItem();
    ASSERT_EQ(root->childCount(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Category(i)->childCount(), 0) << i;

    View()->RefreshAll();
    EXPECT_EQ(Category(kTask)->childCount(), 5);
    EXPECT_FALSE(Category(kConfFiles)->child(0)->isExpanded());
    EXPECT_FALSE(Category(kConfFiles)->child(1)->isExpanded());
    for (int kind : {kEventFlag, kSemaphore, kDataQueue, kSystemTime, kCyclicHandler}) {
        EXPECT_FALSE(Category(kind)->child(0)->isExpanded()) << kind;
    }
}

TEST_F(TreeTest, LargestConfigurationGivesOneLinePerObject)
{
    CCData_conf_info& conf = Conf();
    conf.m_tsk.m_nTskNum = kMaxObjects;
    conf.m_tsk.m_nTskPriNum = kMaxObjects;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = kMaxObjects;
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = kMaxObjects;
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = kMaxObjects;
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = kMaxObjects;
    View()->RefreshAll();
    EXPECT_EQ(Category(kTask)->childCount(), kMaxObjects);
    EXPECT_EQ(Category(kTask)->child(126)->text(0),
              QStringLiteral("127 - Priority Task - Priority=127 - tsk127 - Ready - Stack Size=128"));
    for (int kind : {kEventFlag, kSemaphore, kDataQueue, kCyclicHandler}) {
        EXPECT_EQ(Category(kind)->child(0)->childCount(), kMaxObjects) << kind;
    }
    EXPECT_EQ(Category(kCyclicHandler)->child(0)->child(126)->text(0),
              QStringLiteral("127 - cychdr127 - CYCLIC Time=1000 - Init Start Attr=Stop"));
}

// A selected summary line deleted by a rebuild must not pass its selection on to a category and switch
// the panel: the rebuild selects nothing.
TEST_F(TreeTest, RebuildWithASelectedSummaryLineLeavesThePanelAlone)
{
    SetExampleConfiguration();
    EnableAll(0x3ff & ~0x8u);  // the task panel may not be shown
    View()->OnCpuKernelMaskLevel();
    ASSERT_EQ(ShownPanel(), kCpu);
    Category(kTask)->setExpanded(true);
    View()->Tree()->setCurrentItem(Category(kTask)->child(4));
    ASSERT_EQ(ShownPanel(), kCpu);

    View()->RefreshAll();
    EXPECT_EQ(ShownPanel(), kCpu);
    EXPECT_EQ(Title(), "CPU/Kernel Mask Level");
    EXPECT_EQ(MessagesAsked(LoadStr(4012)), 0);
    EXPECT_EQ(View()->Tree()->currentItem(), nullptr);

    // Clicking the task category afterwards is a real selection change again.
    View()->Tree()->setCurrentItem(Category(kTask));
    EXPECT_EQ(ShownPanel(), kConfFiles);
    EXPECT_EQ(MessagesAsked(LoadStr(4012)), 1);

    // The same holds for the clear.
    View()->SetEnableMask(0x3ff);
    View()->OnDataQue();
    View()->Tree()->setCurrentItem(Category(kEventFlag)->child(0)->child(1));
    View()->ClearTree();
    EXPECT_EQ(ShownPanel(), kDataQueue);
    EXPECT_EQ(View()->Tree()->currentItem(), nullptr);
}

// A selected category survives the rebuild, since categories are never re-created.
TEST_F(TreeTest, SelectedCategoryStaysSelected)
{
    EnableAll();
    View()->OnTask();
    ASSERT_EQ(View()->Tree()->currentItem(), Category(kTask));
    View()->RefreshAll();
    EXPECT_EQ(View()->Tree()->currentItem(), Category(kTask));
    EXPECT_EQ(ShownPanel(), kTask);
}

// Long lines are never cut: the column is as wide as the widest shown line, before and after a rebuild and
// when a category opens, so the tree scrolls sideways.
TEST_F(TreeTest, ColumnFitsTheLongestShownLine)
{
    QTreeWidget* tree = View()->Tree();
    const std::string longName(120, 'n');
    Conf().m_tsk.SetTskData(1, 0, 128, longName);
    View()->RefreshAll();
    QTreeWidgetItem* line = Category(kTask)->child(0);
    const int needed = tree->fontMetrics().horizontalAdvance(line->text(0));
    EXPECT_LT(tree->columnWidth(0), needed);  // hidden lines do not count

    Category(kTask)->setExpanded(true);
    // The line starts three indentation steps in (root, category, line).
    EXPECT_GE(tree->columnWidth(0), needed + 3 * tree->indentation());
    EXPECT_GT(tree->columnWidth(0), tree->viewport()->width());

    // A longer line after an edit widens the column in the same refresh.
    Conf().m_tsk.SetTskData(1, 0, 128, longName + longName);
    View()->RefreshAll();
    EXPECT_GE(tree->columnWidth(0),
              tree->fontMetrics().horizontalAdvance(Category(kTask)->child(0)->text(0)) + 3 * tree->indentation());

    Category(kTask)->setExpanded(false);
    EXPECT_LT(tree->columnWidth(0), needed);
}

// Line sizes are remembered per text, but only for the font they were measured in: a larger font widens the
// column at the next rebuild.
TEST_F(TreeTest, ColumnFollowsAFontChange)
{
    QTreeWidget* tree = View()->Tree();
    Conf().m_tsk.SetTskData(1, 0, 128, std::string(120, 'n'));
    View()->RefreshAll();
    Category(kTask)->setExpanded(true);
    const int before = tree->columnWidth(0);

    QFont larger = tree->font();
    ASSERT_GT(larger.pointSizeF(), 0);
    larger.setPointSizeF(larger.pointSizeF() * 2);
    tree->setFont(larger);
    View()->RefreshAll();
    EXPECT_GT(tree->columnWidth(0), before);
    EXPECT_GE(tree->columnWidth(0),
              tree->fontMetrics().horizontalAdvance(Category(kTask)->child(0)->text(0)) + 3 * tree->indentation());
}

// A click on the current item and the tree's keys keep the focus there, so no key changes a setting; Enter enters.
TEST_F(TreeTest, KeysWalkTheTreeAndOnlyClickOrEnterEntersThePanel)
{
    EnableAll();
    View()->OnSelectConfFiles();  // as after a load
    QTreeWidget* tree = View()->Tree();
    const int cpuType = Conf().m_cpu.m_nCpuType;
    const QRect files = tree->visualItemRect(Category(kConfFiles));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, files.topLeft() + QPoint(8, 4));
    QTest::keyClick(Frame()->focusWidget(), Qt::Key_Down);
    QTest::keyClick(Frame()->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(ShownPanel(), kTask);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, cpuType);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(View()->SettingPanel(kTask)->isAncestorOf(Frame()->focusWidget()));
}

}  // namespace
