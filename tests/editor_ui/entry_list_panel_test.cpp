// Tests of the behaviour the object-list panels share, run on the event-flag, semaphore and data-queue
// panels: list set-up, rows from the configuration, the double-click edit with OK and Cancel, the use check
// box, the count combo box, the refresh and the stretching of the list.
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/CCDlg_dtqset.h"
#include "dialogs/CCDlg_evtset.h"
#include "dialogs/CCDlg_semset.h"
#include "entry_list_test_util.h"

namespace {

using uitest::AnswerDialog;
using Cells = std::vector<std::string>;

class EntryListPanelTest : public uitest::EntryListTest {
protected:
    void SetUp() override
    {
        EntryListTest::SetUp();
        CCData_conf_info_flg& flg = Conf().m_flg;
        flg.SetUse(1);
        flg.m_nFlgNum = 5;
        for (int i = 0; i < 5; ++i) flg.m_nFlgAttr[i] = i;
        flg.m_nFlgSet[1] = 1;
        EnableAll();
    }
    std::vector<CSwitchableListPanel*> Panels() const { return {Event(), Sem(), Datq()}; }
    static std::vector<int> Widths(const CEntryListPanel* panel)
    {
        std::vector<int> widths;
        for (int c = 0; c < panel->List()->columnCount(); ++c) widths.push_back(panel->List()->columnWidth(c));
        return widths;
    }
    // Double-clicks the list as the user does; `answer` handles the event-flag dialog.
    bool EditEvent(const std::function<void(CCDlg_evtset*)>& answer) const
    {
        return AnswerDialog<CCDlg_evtset>([this] { Event()->OnDblclkList(); }, answer);
    }
};

TEST_F(EntryListPanelTest, ListsStartWithTheMarkAndIdColumns)
{
    EXPECT_EQ(Headers(Event()), (Cells{"!", "ID", "Wait Off Attr", "CLR", "Wait Que"}));
    EXPECT_EQ(Widths(Event()), (std::vector<int>{25, 25, 95, 95, 95}));
    EXPECT_EQ(Headers(Sem()), (Cells{"!", "ID", "Init Semaphore Number", "Wait Que"}));
    // The designed widths are the least: the count column widens to its header.
    std::vector<int> sem = Widths(Sem());
    EXPECT_GT(sem.at(2), 115);
    sem[2] = 115;
    EXPECT_EQ(sem, (std::vector<int>{25, 25, 115, 95}));
    EXPECT_EQ(Headers(Datq()), (Cells{"!", "ID", "Data Number", "Wait Que"}));
    EXPECT_EQ(Widths(Datq()), (std::vector<int>{25, 25, 95, 95}));
    for (CSwitchableListPanel* panel : Panels()) {
        QTreeWidget* list = panel->List();
        EXPECT_EQ(list->headerItem()->textAlignment(0) & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_FALSE(list->rootIsDecorated());
        EXPECT_EQ(list->topLevelItem(0)->textAlignment(0) & Qt::AlignHCenter, Qt::AlignHCenter);
    }
}

TEST_F(EntryListPanelTest, HeaderTextsAndCountItems)
{
    EXPECT_EQ(Event()->UseCheck()->text(), QStringLiteral("Use EVENTFLG"));
    EXPECT_EQ(Event()->NumberLabel()->text(), QStringLiteral("EVENTFLG Number"));
    EXPECT_EQ(Sem()->UseCheck()->text(), QStringLiteral("Use SEMAPHORE"));
    EXPECT_EQ(Sem()->NumberLabel()->text(), QStringLiteral("SEMAPHORE Number"));
    EXPECT_EQ(Datq()->UseCheck()->text(), QStringLiteral("Use DATA-QUE"));
    EXPECT_EQ(Datq()->NumberLabel()->text(), QStringLiteral("DATA-QUE Number"));
    for (CSwitchableListPanel* panel : Panels()) {
        QComboBox* combo = panel->NumberCombo();
        ASSERT_EQ(combo->count(), 127);
        EXPECT_EQ(combo->itemText(0), QStringLiteral("1"));
        EXPECT_EQ(combo->itemText(126), QStringLiteral("127"));
        EXPECT_FALSE(combo->isEditable());
    }
    EXPECT_EQ(Event()->NumberCombo()->currentIndex(), 4);
}

TEST_F(EntryListPanelTest, RowsShowIdsInOrderAndTheMarkOfUnsetEntries)
{
    ASSERT_EQ(Rows(Event()), 5);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(Row(Event(), r)[1], std::to_string(r + 1));
    EXPECT_EQ(Row(Event(), 0), (Cells{"*", "1", "OR", "", "Priority"}));
    EXPECT_EQ(Row(Event(), 1), (Cells{"", "2", "OR", "", "FIFO"}));
    EXPECT_EQ(Row(Event(), 4), (Cells{"*", "5", "AND", "", "Priority"}));
    Event()->SetListCount(0);
    EXPECT_EQ(Rows(Event()), 0);
    // A count past the tables' 127 slots never reads beyond them.
    Event()->SetListCount(200);
    EXPECT_EQ(Rows(Event()), 127);
}

TEST_F(EntryListPanelTest, DoubleClickWithoutSelectionDoesNothing)
{
    ASSERT_TRUE(Event()->List()->selectedItems().isEmpty());
    // Changed behind the panel's back: only a refresh would show it.
    Conf().m_flg.m_nFlgAttr[0] = 7;
    EXPECT_FALSE(EditEvent([](CCDlg_evtset*) {}));
    EXPECT_EQ(Row(Event(), 0)[2], "OR");
}

TEST_F(EntryListPanelTest, DoubleClickEditsTheSelectedRow)
{
    Select(Event(), 2);
    QString id;
    EXPECT_TRUE(EditEvent([&](CCDlg_evtset* dialog) {
        id = dialog->IdEdit()->text();
        dialog->reject();
    }));
    EXPECT_EQ(id, QStringLiteral("3"));
}

TEST_F(EntryListPanelTest, RealDoubleClickOnARowOpensItsDialog)
{
    View()->OnEventflg();
    ASSERT_TRUE(Event()->isVisible());
    QTreeWidget* list = Event()->List();
    const QRect rect = list->visualItemRect(list->topLevelItem(3));
    ASSERT_TRUE(rect.isValid());
    QString id;
    const bool seen = AnswerDialog<CCDlg_evtset>(
        [&] {
            QWidget* port = list->viewport();
            uitest::SendMouse(port, QEvent::MouseButtonPress, rect.center());
            uitest::SendMouse(port, QEvent::MouseButtonRelease, rect.center());
            uitest::SendMouse(port, QEvent::MouseButtonDblClick, rect.center());
            uitest::SendMouse(port, QEvent::MouseButtonRelease, rect.center());
        },
        [&](CCDlg_evtset* dialog) {
            id = dialog->IdEdit()->text();
            dialog->reject();
        });
    EXPECT_TRUE(seen);
    EXPECT_EQ(id, QStringLiteral("4"));
}

TEST_F(EntryListPanelTest, CancelKeepsTheEntryButRefreshes)
{
    Select(Event(), 0);
    Conf().m_flg.m_nFlgAttr[3] = 7;  // behind the panel's back
    EXPECT_TRUE(EditEvent([](CCDlg_evtset* dialog) {
        dialog->AndButton()->click();
        dialog->CancelButton()->click();
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 0);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 0);
    EXPECT_EQ(Row(Event(), 0), (Cells{"*", "1", "OR", "", "Priority"}));
    // The view was refreshed all the same.
    EXPECT_EQ(Row(Event(), 3), (Cells{"*", "4", "AND", "O", "FIFO"}));
    EXPECT_TRUE(Event()->List()->selectedItems().isEmpty());
}

TEST_F(EntryListPanelTest, EscAndTheCloseBoxCancelToo)
{
    Select(Event(), 0);
    EXPECT_TRUE(EditEvent([](CCDlg_evtset* dialog) {
        dialog->AndButton()->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 0);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 0);
    Select(Event(), 0);
    EXPECT_TRUE(EditEvent([](CCDlg_evtset* dialog) {
        dialog->AndButton()->click();
        dialog->close();
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 0);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 0);
}

TEST_F(EntryListPanelTest, OkWithoutChangeClearsTheMark)
{
    Event()->List()->header()->resizeSection(2, 300);  // fitting only widens: the user's width stays
    EnableAll();
    View()->Tree()->setCurrentItem(View()->CategoryItem(3));
    Select(Event(), 4);
    Event()->List()->setFocus();
    EXPECT_TRUE(EditEvent([](CCDlg_evtset* dialog) { dialog->OkButton()->click(); }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[4], 4);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[4], 1);
    EXPECT_EQ(Row(Event(), 4), (Cells{"", "5", "AND", "", "Priority"}));
    // Every refresh rebuilds the rows: nothing stays selected after the dialog, and the keys stay with the list.
    EXPECT_TRUE(Event()->List()->selectedItems().isEmpty());
    EXPECT_EQ(Event()->List()->currentItem(), nullptr);
    EXPECT_EQ(Frame()->focusWidget(), Event()->List());
    EXPECT_EQ(Widths(Event()), (std::vector<int>{25, 25, 300, 95, 95}));
}

TEST_F(EntryListPanelTest, EnterInTheDialogIsOk)
{
    Select(Event(), 0);
    EXPECT_TRUE(EditEvent([](CCDlg_evtset* dialog) {
        dialog->FifoButton()->click();
        QTest::keyClick(dialog, Qt::Key_Return);
    }));
    EXPECT_EQ(Conf().m_flg.m_nFlgAttr[0], 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[0], 1);
}

TEST_F(EntryListPanelTest, UncheckingUseGreysButKeepsCountAndEntries)
{
    const Cells before = Row(Event(), 2);
    Click(Event()->UseCheck());
    EXPECT_EQ(Conf().m_flg.GetUse(), 0);
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, 5);
    EXPECT_FALSE(Event()->NumberCombo()->isEnabled());
    EXPECT_FALSE(Event()->List()->isEnabled());
    EXPECT_FALSE(Event()->UseCheck()->isChecked());
    EXPECT_EQ(Rows(Event()), 5);
    EXPECT_EQ(Row(Event(), 2), before);
    Click(Event()->UseCheck());
    EXPECT_EQ(Conf().m_flg.GetUse(), 1);
    EXPECT_TRUE(Event()->NumberCombo()->isEnabled());
    EXPECT_TRUE(Event()->List()->isEnabled());
    EXPECT_EQ(Rows(Event()), 5);
    EXPECT_EQ(Row(Event(), 2), before);
}

TEST_F(EntryListPanelTest, LoweringAndRaisingTheCountKeepsEntries)
{
    const Cells fourth = Row(Event(), 3);
    const Cells fifth = Row(Event(), 4);
    Choose(Event()->NumberCombo(), 2);
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, 3);
    EXPECT_EQ(Rows(Event()), 3);
    Choose(Event()->NumberCombo(), 4);
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, 5);
    ASSERT_EQ(Rows(Event()), 5);
    EXPECT_EQ(Row(Event(), 3), fourth);
    EXPECT_EQ(Row(Event(), 4), fifth);
    EXPECT_EQ(Row(Event(), 1)[0], "");
}

TEST_F(EntryListPanelTest, RefreshShowsTheConfigurationAndSelectsNothing)
{
    Select(Sem(), 0);
    Conf().m_sem.SetUse(1);
    Conf().m_sem.m_nSemNum = 3;
    Conf().m_dtq.SetUse(0);
    Conf().m_dtq.m_nDtqNum = 4;
    View()->RefreshAll();
    EXPECT_TRUE(Sem()->List()->selectedItems().isEmpty());
    EXPECT_TRUE(Sem()->UseCheck()->isChecked());
    EXPECT_TRUE(Sem()->List()->isEnabled());
    EXPECT_EQ(Sem()->NumberCombo()->currentIndex(), 2);
    EXPECT_EQ(Rows(Sem()), 3);
    // An unused kind still shows its rows, greyed.
    EXPECT_FALSE(Datq()->UseCheck()->isChecked());
    EXPECT_FALSE(Datq()->List()->isEnabled());
    EXPECT_FALSE(Datq()->NumberCombo()->isEnabled());
    EXPECT_TRUE(Datq()->UseCheck()->isEnabled());
    EXPECT_EQ(Datq()->NumberCombo()->currentIndex(), 3);
    EXPECT_EQ(Rows(Datq()), 4);
}

TEST_F(EntryListPanelTest, CodeThatChecksOrSelectsRaisesNoChange)
{
    // Only the user's click or choice writes the configuration.
    Event()->UseCheck()->setChecked(false);
    Event()->NumberCombo()->setCurrentIndex(0);
    EXPECT_EQ(Conf().m_flg.GetUse(), 1);
    EXPECT_EQ(Conf().m_flg.m_nFlgNum, 5);
}

TEST_F(EntryListPanelTest, UseAndCountRecomputeTheEstimate)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString used = RamText();
    Click(Event()->UseCheck());
    EXPECT_NE(RamText(), used);
    Click(Event()->UseCheck());
    EXPECT_EQ(RamText(), used);
    Choose(Event()->NumberCombo(), 100);
    EXPECT_NE(RamText(), used);
}

TEST_F(EntryListPanelTest, ListStretchesWithThePanel)
{
    const std::vector<void (CQuorvaneConfiguratorView::*)()> show = {
        &CQuorvaneConfiguratorView::OnEventflg, &CQuorvaneConfiguratorView::OnSemaphore,
        &CQuorvaneConfiguratorView::OnDataQue};
    for (size_t i = 0; i < show.size(); ++i) {
        CSwitchableListPanel* panel = Panels()[i];
        (View()->*show[i])();
        ASSERT_TRUE(panel->isVisible());
        // The rule works on the panel's client area, inside its sunken edge.
        const QWidget* client = panel->Client();
        panel->resize(500, 400);
        ASSERT_EQ(client->size(), panel->contentsRect().size());
        const QRect list = panel->List()->geometry();
        EXPECT_EQ(list.width(), client->width() - list.left() - 20);
        EXPECT_EQ(list.height(), client->height() - list.top() - 15);
        const QPoint topLeft = list.topLeft();
        panel->resize(640, 300);
        EXPECT_EQ(panel->List()->geometry().topLeft(), topLeft);
        EXPECT_EQ(panel->List()->width(), client->width() - topLeft.x() - 20);
        EXPECT_EQ(panel->List()->height(), client->height() - topLeft.y() - 15);
        // The list sits below the panel's header controls.
        EXPECT_GT(topLeft.y(), panel->NumberCombo()->mapTo(client, QPoint(0, panel->NumberCombo()->height())).y());
    }
}

}  // namespace

namespace {

class EntryListKeysTest : public uitest::EntryListTest {};

TEST_F(EntryListKeysTest, EnterInTheListOpensTheRowAndEscChangesNothing)
{
    Conf().m_flg.SetUse(1);
    Conf().m_flg.m_nFlgNum = 2;
    EnableAll();
    View()->OnEventflg();
    Select(Event(), 1);
    Event()->List()->setFocus();
    QString id;
    bool opened = uitest::AnswerDialog<CCDlg_evtset>([this] { QTest::keyClick(Event()->List(), Qt::Key_Return); },
                                                     [&](CCDlg_evtset* d) {
                                                         id = d->IdEdit()->text();
                                                         d->reject();
                                                     });
    EXPECT_TRUE(opened);
    EXPECT_EQ(id, QStringLiteral("2"));
    Select(Event(), 1);
    opened = uitest::AnswerDialog<QDialog>([this] { QTest::keyClick(Event()->List(), Qt::Key_Escape); },
                                           [](QDialog* d) { d->reject(); });
    EXPECT_FALSE(opened);
    EXPECT_TRUE(Event()->isVisible());
    EXPECT_EQ(Conf().m_flg.m_nFlgSet[1], 0);
    EXPECT_EQ(Row(Event(), 1)[0], "*");
}

}  // namespace
