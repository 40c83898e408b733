// Tests of the event-flag, semaphore and data-queue panels and their edit dialogs: what each dialog shows
// and stores, its radio pairs and number lists, and which stored edits recompute the memory-size estimate.
#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/CCDlg_dtqset.h"
#include "dialogs/CCDlg_evtset.h"
#include "dialogs/CCDlg_semset.h"
#include "entry_list_test_util.h"
#include "output_log.h"

namespace {

using uitest::AnswerDialog;
using Cells = std::vector<std::string>;

template <class T>
T* Control(QWidget* dialog, int id)
{
    return dialog->findChild<T*>(qvui::ControlName(id));
}

class ObjectListPanelsTest : public uitest::EntryListTest {
protected:
    void SetUp() override
    {
        EntryListTest::SetUp();
        Conf().m_flg.SetUse(1);
        Conf().m_flg.m_nFlgNum = 3;
        Conf().m_sem.SetUse(1);
        Conf().m_sem.m_nSemNum = 3;
        Conf().m_dtq.SetUse(1);
        Conf().m_dtq.m_nDtqNum = 3;
        EnableAll();
        View()->OutputPanel()->CalcMemorySize();
    }
    template <class Dlg>
    bool Edit(CEntryListPanel* panel, int row, const std::function<void(Dlg*)>& answer)
    {
        Select(panel, row);
        return AnswerDialog<Dlg>([panel] { panel->OnDblclkList(); }, answer);
    }
};

TEST_F(ObjectListPanelsTest, EventFlagDialogShowsTheAttribute)
{
    Conf().m_flg.m_nFlgAttr[1] = 5;
    View()->RefreshAll();
    EXPECT_TRUE(Edit<CCDlg_evtset>(Event(), 1, [](CCDlg_evtset* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("EVENTFLG Setting"));
        EXPECT_EQ(Control<QLabel>(d, 2302)->text(), QStringLiteral("ID"));
        QLineEdit* id = Control<QLineEdit>(d, 801);
        ASSERT_NE(id, nullptr);
        EXPECT_EQ(id->text(), QStringLiteral("2"));
        EXPECT_TRUE(id->isReadOnly());
        EXPECT_EQ(Control<QGroupBox>(d, 2303)->title(), QStringLiteral("Wait Off Attr"));
        EXPECT_EQ(Control<QGroupBox>(d, 2304)->title(), QStringLiteral("CLR"));
        EXPECT_EQ(Control<QGroupBox>(d, 2305)->title(), QStringLiteral("Wait Que"));
        EXPECT_EQ(Control<QRadioButton>(d, 2307)->text(), QStringLiteral("OR"));
        EXPECT_EQ(Control<QRadioButton>(d, 2306)->text(), QStringLiteral("AND"));
        EXPECT_EQ(Control<QCheckBox>(d, 2308)->text(), QStringLiteral("Enbl"));
        EXPECT_EQ(Control<QRadioButton>(d, 2309)->text(), QStringLiteral("Priority"));
        EXPECT_EQ(Control<QRadioButton>(d, 2310)->text(), QStringLiteral("FIFO"));
        EXPECT_EQ(Control<QPushButton>(d, 1)->text(), QStringLiteral("OK"));
        EXPECT_EQ(Control<QPushButton>(d, 2)->text(), QStringLiteral("Cancel"));
        EXPECT_TRUE(d->AndButton()->isChecked());
        EXPECT_FALSE(d->OrButton()->isChecked());
        EXPECT_FALSE(d->ClearCheck()->isChecked());
        EXPECT_TRUE(d->FifoButton()->isChecked());
        EXPECT_FALSE(d->PriButton()->isChecked());
        d->reject();
    }));
}

TEST_F(ObjectListPanelsTest, EventFlagRadioPairsAndStoredAttribute)
{
    EXPECT_TRUE(Edit<CCDlg_evtset>(Event(), 0, [](CCDlg_evtset* d) {
        EXPECT_TRUE(d->OrButton()->isChecked());
        d->AndButton()->click();
        EXPECT_TRUE(d->AndButton()->isChecked());
        EXPECT_FALSE(d->OrButton()->isChecked());
        // Clicking the checked button of a pair keeps it checked.
        d->AndButton()->click();
        EXPECT_TRUE(d->AndButton()->isChecked());
        EXPECT_FALSE(d->OrButton()->isChecked());
        d->ClearCheck()->click();
        d->FifoButton()->click();
        EXPECT_FALSE(d->PriButton()->isChecked());
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 7);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 1);
    EXPECT_EQ(Row(Event(), 0), (Cells{"", "1", "AND", "O", "FIFO"}));
    EXPECT_TRUE(Edit<CCDlg_evtset>(Event(), 0, [](CCDlg_evtset* d) {
        d->OrButton()->click();
        d->ClearCheck()->click();
        d->PriButton()->click();
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 0);
    EXPECT_EQ(Row(Event(), 0), (Cells{"", "1", "OR", "", "Priority"}));
}

TEST_F(ObjectListPanelsTest, EventFlagSetWithOkIsNoLongerWarnedAbout)
{
    EXPECT_TRUE(Edit<CCDlg_evtset>(Event(), 1, [](CCDlg_evtset* d) { d->OkButton()->click(); }));
    outputlog::OutputLog log;
    outputlog::AddWarningLines(log, Conf(), [](int id) { return qvui::FromQ(LoadStr(id)); });
    const auto warned = [&log](const std::string& line) {
        return std::find(log.lines.begin(), log.lines.end(), line) != log.lines.end();
    };
    EXPECT_TRUE(warned("(W) EVENTFLG of ID=1 is default setting"));
    EXPECT_FALSE(warned("(W) EVENTFLG of ID=2 is default setting"));
    EXPECT_TRUE(warned("(W) EVENTFLG of ID=3 is default setting"));
}

TEST_F(ObjectListPanelsTest, EventFlagDialogLeavesTheEstimateAlone)
{
    // Changed behind the panels' back: the estimate shows it only once it is recomputed.
    const QString ram = RamText();
    Conf().m_dtq.m_nDtqCnt[0] = 100;
    EXPECT_TRUE(Edit<CCDlg_evtset>(Event(), 0, [](CCDlg_evtset* d) {
        d->AndButton()->click();
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 4);
    EXPECT_EQ(RamText(), ram);
}

TEST_F(ObjectListPanelsTest, UncheckingEventFlagsChangesTheEstimateAndKeepsAttributes)
{
    Conf().m_flg.m_nFlgAttr[2] = 6;
    View()->RefreshAll();
    const QString ram = RamText();
    Click(Event()->UseCheck());
    EXPECT_NE(RamText(), ram);
    EXPECT_FALSE(Event()->NumberCombo()->isEnabled());
    EXPECT_FALSE(Event()->List()->isEnabled());
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[2], 6);
    EXPECT_EQ(Row(Event(), 2), (Cells{"*", "3", "AND", "O", "Priority"}));
}

TEST_F(ObjectListPanelsTest, SemaphoreDialogShowsTheCountAndQueue)
{
    Conf().m_sem.m_nSemCnt[2] = 255;
    Conf().m_sem.m_nSemAttr[2] = 1;
    View()->RefreshAll();
    EXPECT_EQ(Row(Sem(), 2), (Cells{"*", "3", "255", "FIFO"}));
    EXPECT_TRUE(Edit<CCDlg_semset>(Sem(), 2, [](CCDlg_semset* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("SEMAPHORE Setting"));
        EXPECT_EQ(Control<QLabel>(d, 2402)->text(), QStringLiteral("ID"));
        EXPECT_EQ(Control<QLineEdit>(d, 2405)->text(), QStringLiteral("3"));
        EXPECT_TRUE(Control<QLineEdit>(d, 2405)->isReadOnly());
        EXPECT_EQ(Control<QLabel>(d, 2404)->text(), QStringLiteral("Init Semaphore Number"));
        EXPECT_EQ(Control<QGroupBox>(d, 2403)->title(), QStringLiteral("Wait Que"));
        EXPECT_EQ(Control<QRadioButton>(d, 2407)->text(), QStringLiteral("Priority"));
        EXPECT_EQ(Control<QRadioButton>(d, 2408)->text(), QStringLiteral("FIFO"));
        EXPECT_EQ(Control<QPushButton>(d, 2)->text(), QStringLiteral("Cancel"));
        QComboBox* number = Control<QComboBox>(d, 2406);
        ASSERT_EQ(number, d->NumberCombo());
        ASSERT_EQ(number->count(), 256);
        EXPECT_EQ(number->itemText(0), QStringLiteral("0"));
        // 255 is the last of the 256 items.
        EXPECT_EQ(number->currentIndex(), 255);
        EXPECT_EQ(number->currentText(), QStringLiteral("255"));
        EXPECT_TRUE(d->FifoButton()->isChecked());
        EXPECT_FALSE(d->PriButton()->isChecked());
        d->reject();
    }));
}

TEST_F(ObjectListPanelsTest, SemaphoreStoresZeroAndPriorityAndLeavesTheEstimateAlone)
{
    const QString ram = RamText();
    Conf().m_dtq.m_nDtqCnt[0] = 100;  // behind the panels' back
    EXPECT_TRUE(Edit<CCDlg_semset>(Sem(), 1, [](CCDlg_semset* d) {
        d->NumberCombo()->setCurrentIndex(0);
        d->FifoButton()->click();
        EXPECT_FALSE(d->PriButton()->isChecked());
        d->PriButton()->click();
        EXPECT_FALSE(d->FifoButton()->isChecked());
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[1], 0);
    EXPECT_EQ(Conf().m_sem.m_nSemAttr[1], 0);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[1], 1);
    EXPECT_EQ(Row(Sem(), 1), (Cells{"", "2", "0", "Priority"}));
    EXPECT_EQ(RamText(), ram);
}

TEST_F(ObjectListPanelsTest, SemaphoreOkWithoutChangeMarksItSet)
{
    EXPECT_EQ(Row(Sem(), 0), (Cells{"*", "1", "1", "Priority"}));
    EXPECT_TRUE(Edit<CCDlg_semset>(Sem(), 0, [](CCDlg_semset* d) { d->OkButton()->click(); }));
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[0], 1);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[0], 1);
    EXPECT_EQ(Row(Sem(), 0), (Cells{"", "1", "1", "Priority"}));
}

TEST_F(ObjectListPanelsTest, DataQueueDialogShowsTheCountAndQueue)
{
    Conf().m_dtq.m_nDtqCnt[0] = 0;
    Conf().m_dtq.m_nDtqAttr[0] = 1;
    View()->RefreshAll();
    // A queue without buffer shows 0, not an empty cell.
    EXPECT_EQ(Row(Datq(), 0), (Cells{"*", "1", "0", "FIFO"}));
    EXPECT_TRUE(Edit<CCDlg_dtqset>(Datq(), 0, [](CCDlg_dtqset* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("DATA-QUE Setting"));
        EXPECT_EQ(Control<QLabel>(d, 1072)->text(), QStringLiteral("ID"));
        EXPECT_EQ(Control<QLineEdit>(d, 1073)->text(), QStringLiteral("1"));
        EXPECT_EQ(Control<QLabel>(d, 1074)->text(), QStringLiteral("Data Number"));
        EXPECT_EQ(Control<QGroupBox>(d, 1076)->title(), QStringLiteral("Wait Que"));
        EXPECT_EQ(Control<QRadioButton>(d, 1077)->text(), QStringLiteral("Priority"));
        EXPECT_EQ(Control<QRadioButton>(d, 1078)->text(), QStringLiteral("FIFO"));
        QComboBox* number = Control<QComboBox>(d, 1075);
        ASSERT_EQ(number, d->NumberCombo());
        ASSERT_EQ(number->count(), 128);
        EXPECT_EQ(number->itemText(127), QStringLiteral("127"));
        EXPECT_EQ(number->currentIndex(), 0);
        EXPECT_TRUE(d->FifoButton()->isChecked());
        d->reject();
    }));
}

TEST_F(ObjectListPanelsTest, DataQueueEditRecomputesTheEstimateAtOnce)
{
    const QString ram = RamText();
    EXPECT_TRUE(Edit<CCDlg_dtqset>(Datq(), 2, [](CCDlg_dtqset* d) {
        d->NumberCombo()->setCurrentIndex(100);
        d->FifoButton()->click();
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[2], 100);
    EXPECT_EQ(Conf().m_dtq.m_nDtqAttr[2], 1);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[2], 1);
    EXPECT_EQ(Row(Datq(), 2), (Cells{"", "3", "100", "FIFO"}));
    EXPECT_NE(RamText(), ram);
}

TEST_F(ObjectListPanelsTest, CancelledDataQueueEditStoresNothingAndKeepsTheEstimate)
{
    const QString ram = RamText();
    const int count = Conf().m_dtq.m_nDtqCnt[2];
    EXPECT_TRUE(Edit<CCDlg_dtqset>(Datq(), 2, [](CCDlg_dtqset* d) {
        d->NumberCombo()->setCurrentIndex(100);
        d->CancelButton()->click();
    }));
    EXPECT_EQ(Conf().m_dtq.m_nDtqCnt[2], count);
    EXPECT_EQ(Conf().m_dtq.m_nDtqSet[2], 0);
    EXPECT_EQ(RamText(), ram);
}

TEST_F(ObjectListPanelsTest, NumberOutsideTheListIsKeptOnOk)
{
    // A count outside 0..255 (written into a kernel file by hand) selects no item; OK keeps it.
    Conf().m_sem.m_nSemCnt[0] = 300;
    View()->RefreshAll();
    EXPECT_TRUE(Edit<CCDlg_semset>(Sem(), 0, [](CCDlg_semset* d) {
        EXPECT_EQ(d->NumberCombo()->currentIndex(), -1);
        d->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_sem.m_nSemCnt[0], 300);
    EXPECT_EQ(Conf().m_sem.m_nSemSet[0], 1);
}

TEST_F(ObjectListPanelsTest, EditRefreshesTheTree)
{
    EXPECT_TRUE(Edit<CCDlg_semset>(Sem(), 0, [](CCDlg_semset* d) {
        d->NumberCombo()->setCurrentIndex(42);
        d->OkButton()->click();
    }));
    bool found = false;
    const QTreeWidgetItem* category = View()->CategoryItem(4);
    for (int i = 0; i < category->childCount() && !found; ++i) {
        const QTreeWidgetItem* child = category->child(i);
        for (int j = 0; j < child->childCount() && !found; ++j) found = child->child(j)->text(0).contains("42");
        found = found || child->text(0).contains("42");
    }
    EXPECT_TRUE(found);
}

// Each radio pair is one Tab stop, entered at its checked button; an arrow key on it chooses the partner and
// runs the pair's click handlers (the buttons are not auto-exclusive: only a handler unchecks the other).
TEST_F(ObjectListPanelsTest, RadioPairsAreOneTabStopAndArrowsMoveTheChoice)
{
    Conf().m_flg.m_nFlgAttr[0] = 5;  // AND and FIFO: the second button of each pair
    Conf().m_sem.m_nSemAttr[0] = 1;  // FIFO
    Conf().m_dtq.m_nDtqAttr[0] = 0;  // Priority
    View()->RefreshAll();
    struct Case {
        const char* name;
        CEntryListPanel* panel;
        std::vector<int> stops;  // what the dialog opens at, then what Tab reaches, ending at Cancel
        int from, key, to;       // the arrow key on a chosen button, and the partner it chooses
        const int* attr;         // the attribute stored by OK
        int stored;
    };
    const Case cases[] = {
        {"event flag", Event(), {2306, 2308, 2310, 1, 2}, 2306, Qt::Key_Left, 2307, &Conf().m_flg.m_nFlgAttr[0], 1},
        {"semaphore", Sem(), {2406, 2408, 1, 2}, 2408, Qt::Key_Up, 2407, &Conf().m_sem.m_nSemAttr[0], 0},
        {"data queue", Datq(), {1075, 1077, 1, 2}, 1077, Qt::Key_Down, 1078, &Conf().m_dtq.m_nDtqAttr[0], 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.panel, 0);
        EXPECT_TRUE(AnswerDialog<CEntryEditDialog>([&] { c.panel->OnDblclkList(); }, [&](CEntryEditDialog* d) {
            QStringList reached{d->focusWidget()->objectName()};
            for (size_t i = 1; i < c.stops.size(); ++i) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
                reached << d->focusWidget()->objectName();
            }
            QStringList stops;
            for (int id : c.stops) stops << qvui::ControlName(id);
            EXPECT_EQ(qvui::FromQ(reached.join(QLatin1Char(' '))), qvui::FromQ(stops.join(QLatin1Char(' '))));

            auto* from = Control<QRadioButton>(d, c.from);
            auto* to = Control<QRadioButton>(d, c.to);
            from->setFocus(Qt::TabFocusReason);
            QTest::keyClick(from, static_cast<Qt::Key>(c.key));
            EXPECT_EQ(d->focusWidget(), to);
            EXPECT_TRUE(to->isChecked());
            EXPECT_FALSE(from->isChecked());
            // The pair's Tab stop moved with the choice.
            QTest::keyClick(to, Qt::Key_Tab);
            QTest::keyClick(d->focusWidget(), Qt::Key_Backtab);
            EXPECT_EQ(d->focusWidget(), to);
            d->OkButton()->click();
        }));
        EXPECT_EQ(*c.attr, c.stored);
    }
}

}  // namespace
