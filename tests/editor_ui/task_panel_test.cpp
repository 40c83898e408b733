// Tests of the task panel and the task edit dialog: the count lists, the type and priority columns, the
// ready-only CPU, the dialog's checks in their order, OK and Cancel, and when the estimate is recomputed.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/CCDlg_tskset.h"
#include "entry_list_test_util.h"
#include "panels/CCtl_SDlg_tsk.h"

namespace {

using uitest::AnswerDialog;
using Cells = std::vector<std::string>;

class TaskPanelTest : public uitest::EntryListTest {
protected:
    void SetUp() override
    {
        EntryListTest::SetUp();
        CCData_conf_info_tsk& tsk = Conf().m_tsk;
        tsk.m_nTskNum = 5;
        tsk.m_nTskPriNum = 2;
        for (int id = 1; id <= 6; ++id) {
            tsk.m_strTskFunc[id - 1] = "task" + std::to_string(id);
            // The CPU panel's refresh gives unset tasks the default stack of the CPU type (128 here).
            tsk.m_nStackSize[id - 1] = 128;
            tsk.m_nTskState[id - 1] = 0;
            tsk.m_nTskSet[id - 1] = 0;
        }
        tsk.m_nTskState[1] = 1;
        tsk.m_nTskSet[2] = 1;
        tsk.m_nStackSize[2] = 140;
        EnableAll();
    }
    CCtl_SDlg_tsk* Tsk() const { return static_cast<CCtl_SDlg_tsk*>(View()->SettingPanel(2)); }
    Cells Column(int column) const
    {
        Cells cells;
        for (int r = 0; r < Rows(Tsk()); ++r) cells.push_back(qvui::FromQ(Tsk()->CellText(r, column)));
        return cells;
    }
    static Cells Items(const QComboBox* combo)
    {
        Cells items;
        for (int i = 0; i < combo->count(); ++i) items.push_back(qvui::FromQ(combo->itemText(i)));
        return items;
    }
    // Double-clicks row `row` (selected first); `answer` handles the task dialog.
    bool EditTask(int row, const std::function<void(CCDlg_tskset*)>& answer) const
    {
        Select(Tsk(), row);
        return AnswerDialog<CCDlg_tskset>([this] { Tsk()->OnDblclkList(); }, answer);
    }
    // The messages shown so far, in order.
    static std::vector<QString> Messages()
    {
        std::vector<QString> texts;
        for (const qvui::AskedDialog& d : qvui::AskedDialogs()) {
            if (d.kind == qvui::AskedDialog::kMessage) texts.push_back(d.text);
        }
        return texts;
    }
    // Types a function and a stack size and presses OK.
    static void Submit(CCDlg_tskset* dialog, const QString& func, const QString& stack)
    {
        dialog->FuncEdit()->setText(func);
        dialog->StackEdit()->setText(stack);
        dialog->OkButton()->click();
    }
};

TEST_F(TaskPanelTest, LabelsColumnsAndCountLists)
{
    EXPECT_EQ(Tsk()->findChild<QLabel*>(qvui::ControlName(1202))->text(), QStringLiteral("Task Number"));
    EXPECT_EQ(Tsk()->findChild<QLabel*>(qvui::ControlName(1203))->text(), QStringLiteral("Priority Task Number"));
    EXPECT_EQ(Headers(Tsk()), (Cells{"!", "ID", "Type", "Priority", "Task Function", "Init Stat", "Stack Size"}));
    std::vector<int> widths;
    for (int c = 0; c < Tsk()->List()->columnCount(); ++c) widths.push_back(Tsk()->List()->columnWidth(c));
    // The designed widths are the least: the type column widens to "Rotation Task".
    EXPECT_GT(widths.at(2), 85);
    widths[2] = 85;
    EXPECT_EQ(widths, (std::vector<int>{25, 25, 85, 55, 115, 115, 85}));
    ASSERT_EQ(Tsk()->NumberCombo()->count(), 127);
    EXPECT_EQ(Tsk()->NumberCombo()->itemText(126), QStringLiteral("127"));
    EXPECT_EQ(Tsk()->NumberCombo()->currentIndex(), 4);
    EXPECT_EQ(Items(Tsk()->PriNumberCombo()), (Cells{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Tsk()->PriNumberCombo()->currentIndex(), 2);
    // Tasks are always used: the panel has no use check box.
    EXPECT_EQ(Tsk()->findChild<QCheckBox*>(), nullptr);
}

TEST_F(TaskPanelTest, FiveTasksTwoPriorityTasks)
{
    ASSERT_EQ(Rows(Tsk()), 5);
    EXPECT_EQ(Column(2), (Cells{"Priority Task", "Priority Task", "Rotation Task", "Rotation Task", "Rotation Task"}));
    EXPECT_EQ(Column(3), (Cells{"1", "2", "3", "3", "3"}));
    EXPECT_EQ(Row(Tsk(), 1), (Cells{"*", "2", "Priority Task", "2", "task2", "Waiting(SLP)", "128"}));
    EXPECT_EQ(Row(Tsk(), 2), (Cells{"", "3", "Rotation Task", "3", "task3", "Ready", "140"}));
}

TEST_F(TaskPanelTest, PriorityCountChoiceRelabelsRowsAndRecomputes)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString ram = RamText();
    Choose(Tsk()->PriNumberCombo(), 5);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 5);
    EXPECT_EQ(Column(2), Cells(5, "Priority Task"));
    EXPECT_EQ(Column(3), (Cells{"1", "2", "3", "4", "5"}));
    // P = T leaves one rotation-queue entry, as P = 4 does: the RAM differs from P = 2.
    EXPECT_NE(RamText(), ram);
    Choose(Tsk()->PriNumberCombo(), 0);
    EXPECT_EQ(Column(3), Cells(5, "1"));
}

TEST_F(TaskPanelTest, LoweringTheTaskCountBelowThePriorityCount)
{
    Choose(Tsk()->PriNumberCombo(), 5);
    View()->OutputPanel()->CalcMemorySize();
    const QString ram = RamText();
    Choose(Tsk()->NumberCombo(), 2);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 3);
    EXPECT_EQ(Items(Tsk()->PriNumberCombo()), (Cells{"0", "1", "2", "3"}));
    EXPECT_EQ(Tsk()->PriNumberCombo()->currentIndex(), 3);
    EXPECT_EQ(Rows(Tsk()), 3);
    EXPECT_EQ(Column(2), Cells(3, "Priority Task"));
    EXPECT_NE(RamText(), ram);
    // Raising it again keeps P and brings back the tasks above with their values.
    Choose(Tsk()->NumberCombo(), 5);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 3);
    EXPECT_EQ(Tsk()->PriNumberCombo()->currentIndex(), 3);
    ASSERT_EQ(Rows(Tsk()), 6);
    EXPECT_EQ(Row(Tsk(), 5), (Cells{"*", "6", "Rotation Task", "4", "task6", "Ready", "128"}));
    EXPECT_EQ(Row(Tsk(), 1)[5], "Waiting(SLP)");
}

TEST_F(TaskPanelTest, ReadyOnlyCpuWakesTasksUpToTheCount)
{
    Conf().m_tsk.m_nTskState[1] = 1;
    Conf().m_tsk.m_nTskSet[1] = 1;
    Conf().m_tsk.m_nTskState[5] = 1;  // task 6, above the count
    Conf().m_cpu.SetCpuType(0);
    View()->RefreshAll();
    EXPECT_EQ(Conf().m_tsk.m_nTskState[1], 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[1], 0);
    EXPECT_EQ(Row(Tsk(), 1)[0], "*");
    EXPECT_EQ(Row(Tsk(), 1)[5], "Ready");
    EXPECT_EQ(Conf().m_tsk.m_nTskState[5], 1);
    // The dialog shows Ready in a locked list and stores state 0.
    Conf().m_tsk.m_nTskState[0] = 1;  // behind the panel's back
    bool enabled = true;
    QString state;
    EXPECT_TRUE(EditTask(0, [&](CCDlg_tskset* dialog) {
        enabled = dialog->StateCombo()->isEnabled();
        state = dialog->StateCombo()->currentText();
        Submit(dialog, QStringLiteral("t1"), QStringLiteral("18"));
    }));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(state, QStringLiteral("Ready"));
    EXPECT_EQ(Conf().m_tsk.m_nTskState[0], 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[0], 1);
}

TEST_F(TaskPanelTest, DialogShowsTheTask)
{
    QString caption, id, type, func, stack, cancel, state;
    Cells labels, states;
    bool stateEnabled = false;
    EXPECT_TRUE(EditTask(1, [&](CCDlg_tskset* dialog) {
        caption = dialog->windowTitle();
        id = dialog->IdEdit()->text();
        type = dialog->TypeEdit()->text();
        func = dialog->FuncEdit()->text();
        stack = dialog->StackEdit()->text();
        cancel = dialog->CancelButton()->text();
        state = dialog->StateCombo()->currentText();
        states = Items(dialog->StateCombo());
        stateEnabled = dialog->StateCombo()->isEnabled();
        for (int ctl : {2202, 2203, 2204, 2205, 2206}) {
            labels.push_back(qvui::FromQ(dialog->findChild<QLabel*>(qvui::ControlName(ctl))->text()));
        }
        EXPECT_TRUE(dialog->TypeEdit()->isReadOnly());
        EXPECT_TRUE(dialog->IdEdit()->isReadOnly());
        EXPECT_EQ(dialog->OkButton()->text(), QStringLiteral("OK"));
        dialog->reject();
    }));
    EXPECT_EQ(caption, QStringLiteral("TASK Setting"));
    EXPECT_EQ(id, QStringLiteral("2"));
    EXPECT_EQ(type, QStringLiteral("Priority Task"));
    EXPECT_EQ(func, QStringLiteral("task2"));
    EXPECT_EQ(stack, QStringLiteral("128"));
    EXPECT_EQ(cancel, QStringLiteral("Cancel"));
    EXPECT_EQ(states, (Cells{"Ready", "Waiting(SLP)"}));
    EXPECT_EQ(state, QStringLiteral("Waiting(SLP)"));
    EXPECT_TRUE(stateEnabled);
    EXPECT_EQ(labels, (Cells{"ID", "Type", "Task Function", "Init Stat", "Stack Size"}));
}

TEST_F(TaskPanelTest, ChecksRunInOrderAndKeepTheDialogOpen)
{
    // H8SX in mode 1: alignment 4, minimum 44.
    Conf().m_cpu.SetCpuType(11);
    Conf().m_cpu.SetCpuMode(1);
    ASSERT_EQ(Conf().m_cpu.GetMinStackSize(), 44);
    qvui::ClearAskedDialogs();
    struct Step {
        QString func, stack;
        QString message;
    };
    const std::vector<Step> steps = {
        {"", "", "Please input a task function"},
        {"  ", "128", "Please input a task function"},
        {"9lives", "", "Invalid task function"},
        {"my task", "x", "Invalid task function"},
        {"worker", "", "Please input a stack size"},
        {"worker", "0128", "Invalid stack size.\nPlease input a number"},
        {"worker", "+128", "Invalid stack size.\nPlease input a number"},
        {"worker", "1 28", "Invalid stack size.\nPlease input a number"},
        {"worker", "128b", "Invalid stack size.\nPlease input a number"},
        {"worker", "46", "Invalid stack size.\n4byte boundary error"},
        {"worker", "40", "Please set stack size than minimum 44"},
        {"worker", "-4", "Please set stack size than minimum 44"},
    };
    std::vector<bool> open;
    std::vector<QString> kept;
    EXPECT_TRUE(EditTask(3, [&](CCDlg_tskset* dialog) {
        for (const Step& step : steps) {
            Submit(dialog, step.func, step.stack);
            open.push_back(dialog->isVisible());
            kept.push_back(dialog->FuncEdit()->text() + "|" + dialog->StackEdit()->text());
        }
        Submit(dialog, QStringLiteral(" worker\t"), QStringLiteral(" 128 "));
    }));
    ASSERT_EQ(Messages().size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(Messages()[i], steps[i].message) << i;
        EXPECT_TRUE(open[i]) << i;
        EXPECT_EQ(kept[i], steps[i].func + "|" + steps[i].stack) << i;
    }
    EXPECT_EQ(qvui::AskedDialogs().front().type, qvui::MB_OK);
    EXPECT_EQ(Conf().m_tsk.GetTskFunc(4), "worker");
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[3], 128);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[3], 1);
    EXPECT_EQ(Row(Tsk(), 3), (Cells{"", "4", "Rotation Task", "3", "worker", "Ready", "128"}));
}

TEST_F(TaskPanelTest, TwoByteBoundaryOfTheH8300L)
{
    Conf().m_cpu.SetCpuType(0);
    View()->RefreshAll();
    qvui::ClearAskedDialogs();
    EXPECT_TRUE(EditTask(0, [&](CCDlg_tskset* dialog) {
        Submit(dialog, QStringLiteral("t"), QStringLiteral("129"));
        Submit(dialog, QStringLiteral("t"), QStringLiteral("16"));
        Submit(dialog, QStringLiteral("t"), QStringLiteral("130"));
    }));
    EXPECT_EQ(Messages(), (std::vector<QString>{QStringLiteral("Invalid stack size.\n2byte boundary error"),
                                                QStringLiteral("Please set stack size than minimum 18")}));
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[0], 130);
}

TEST_F(TaskPanelTest, OkStoresStateAndClearsTheMarkWithoutRecomputing)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString ram = RamText();
    // A change the estimate has not seen yet: only a recomputation would show it.
    Conf().m_tsk.m_nTskNum = 6;
    EXPECT_TRUE(EditTask(4, [&](CCDlg_tskset* dialog) {
        dialog->StateCombo()->setCurrentIndex(1);
        dialog->OkButton()->click();
    }));
    EXPECT_EQ(Conf().m_tsk.m_nTskState[4], 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[4], 1);
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[4], 128);
    EXPECT_EQ(Row(Tsk(), 4), (Cells{"", "5", "Rotation Task", "3", "task5", "Waiting(SLP)", "128"}));
    EXPECT_EQ(RamText(), ram);
    // The refresh after the dialog shows the sixth task.
    EXPECT_EQ(Rows(Tsk()), 6);
    EXPECT_TRUE(Tsk()->List()->selectedItems().isEmpty());
}

TEST_F(TaskPanelTest, CancelEscAndCloseBoxStoreNothingButRefresh)
{
    int round = 0;
    const std::vector<std::function<void(CCDlg_tskset*)>> ends = {
        [](CCDlg_tskset* d) { d->CancelButton()->click(); },
        [](CCDlg_tskset* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](CCDlg_tskset* d) { d->close(); },
    };
    for (const auto& end : ends) {
        Conf().m_tsk.m_strTskFunc[4] = "behind" + std::to_string(round);
        EXPECT_TRUE(EditTask(0, [&](CCDlg_tskset* dialog) {
            Submit(dialog, QStringLiteral("t"), QStringLiteral("x"));  // refused: stays open
            dialog->FuncEdit()->setText(QStringLiteral("changed"));
            dialog->StackEdit()->setText(QStringLiteral("256"));
            end(dialog);
        })) << round;
        EXPECT_EQ(Conf().m_tsk.GetTskFunc(1), "task1") << round;
        EXPECT_EQ(Conf().m_tsk.m_nStackSize[0], 128) << round;
        EXPECT_EQ(Conf().m_tsk.m_nTskSet[0], 0) << round;
        EXPECT_EQ(Row(Tsk(), 0)[0], "*") << round;
        EXPECT_EQ(Row(Tsk(), 4)[4], "behind" + std::to_string(round)) << round;
        ++round;
    }
}

TEST_F(TaskPanelTest, EnterIsOk)
{
    EXPECT_TRUE(EditTask(2, [&](CCDlg_tskset* dialog) {
        dialog->StackEdit()->setText(QStringLiteral("200"));
        QTest::keyClick(dialog->StackEdit(), Qt::Key_Return);
    }));
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[2], 200);
}

TEST_F(TaskPanelTest, TreeFollowsTheDialog)
{
    EXPECT_TRUE(EditTask(0, [&](CCDlg_tskset* dialog) { Submit(dialog, QStringLiteral("boot"), QStringLiteral("256")); }));
    const QTreeWidgetItem* tasks = View()->CategoryItem(2);
    ASSERT_GT(tasks->childCount(), 0);
    EXPECT_NE(tasks->child(0)->text(0).indexOf(QStringLiteral("boot")), -1);
}

}  // namespace
