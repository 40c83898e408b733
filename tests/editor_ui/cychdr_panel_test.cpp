// Tests of the cyclic-handler panel and its edit dialog: the dependence on the system time, the second label
// over the use check box, the rows, the dialog's checks in their order, OK and Cancel, and when the estimate
// is recomputed.
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/CCDlg_cycset.h"
#include "entry_list_test_util.h"
#include "panels/CCtl_SDlg_cychdr.h"
#include "panels/CCtl_SDlg_systim.h"

namespace {

using uitest::AnswerDialog;
using Cells = std::vector<std::string>;

class CycPanelTest : public uitest::EntryListTest {
protected:
    void SetUp() override
    {
        EntryListTest::SetUp();
        Conf().m_tim.SetUse(1);
        CCData_conf_info_cyc& cyc = Conf().m_cyc;
        cyc.SetUse(1);
        cyc.m_nCycNum = 4;
        for (int id = 1; id <= 5; ++id) {
            cyc.m_strCycFunc[id - 1] = "cyc" + std::to_string(id);
            cyc.m_nCycTime[id - 1] = 100 * id;
            cyc.m_nCycAttr[id - 1] = id % 2;
            cyc.m_nCycSet[id - 1] = 0;
        }
        cyc.m_nCycTime[1] = 0;
        cyc.m_nCycSet[2] = 1;
        EnableAll();
    }
    CCtl_SDlg_cychdr* Cyc() const { return static_cast<CCtl_SDlg_cychdr*>(View()->SettingPanel(7)); }
    bool EditCyc(int row, const std::function<void(CCDlg_cycset*)>& answer) const
    {
        Select(Cyc(), row);
        return AnswerDialog<CCDlg_cycset>([this] { Cyc()->OnDblclkList(); }, answer);
    }
    static std::vector<QString> Messages()
    {
        std::vector<QString> texts;
        for (const qvui::AskedDialog& d : qvui::AskedDialogs()) {
            if (d.kind == qvui::AskedDialog::kMessage) texts.push_back(d.text);
        }
        return texts;
    }
    static void Submit(CCDlg_cycset* dialog, const QString& func, const QString& time)
    {
        dialog->FuncEdit()->setText(func);
        dialog->TimeEdit()->setText(time);
        dialog->OkButton()->click();
    }
    // Enabled states of the use check box, the count list and the list.
    std::vector<bool> Enabled() const
    {
        return {Cyc()->UseCheck()->isEnabled(), Cyc()->NumberCombo()->isEnabled(), Cyc()->List()->isEnabled()};
    }
};

TEST_F(CycPanelTest, LabelsAndColumns)
{
    EXPECT_EQ(Cyc()->UseCheck()->text(), QStringLiteral("Use CYCLIC-HANDLER"));
    EXPECT_EQ(Cyc()->UseLabel()->text(), QStringLiteral("Use CYCLIC-HANDLER"));
    EXPECT_EQ(Cyc()->NumberLabel()->text(), QStringLiteral("CYCLIC-HANDLER Number"));
    EXPECT_EQ(Headers(Cyc()), (Cells{"!", "ID", "CYCLIC-HANDLER Function", "CYCLIC Time", "Init Start Attr"}));
    std::vector<int> widths;
    for (int c = 0; c < Cyc()->List()->columnCount(); ++c) widths.push_back(Cyc()->List()->columnWidth(c));
    // The designed widths are the least: the function column widens to its header.
    EXPECT_GT(widths.at(2), 115);
    EXPECT_GE(widths.at(4), 95);
    widths[2] = 115;
    widths[4] = 95;
    EXPECT_EQ(widths, (std::vector<int>{25, 25, 115, 95, 95}));
    EXPECT_EQ(Cyc()->NumberCombo()->count(), 127);
    EXPECT_EQ(Cyc()->NumberCombo()->currentIndex(), 3);
}

TEST_F(CycPanelTest, RowsShowAnEmptyCellForTimeZero)
{
    ASSERT_EQ(Rows(Cyc()), 4);
    EXPECT_EQ(Row(Cyc(), 0), (Cells{"*", "1", "cyc1", "100", "Start"}));
    EXPECT_EQ(Row(Cyc(), 1), (Cells{"*", "2", "cyc2", "", "Stop"}));
    EXPECT_EQ(Row(Cyc(), 2), (Cells{"", "3", "cyc3", "300", "Start"}));
}

TEST_F(CycPanelTest, SystemTimeOffGreysEverythingButTheSecondLabel)
{
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
    Conf().m_tim.SetUse(0);
    View()->RefreshAll();
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(Cyc()->UseCheck()->isChecked());
    EXPECT_TRUE(Cyc()->UseLabel()->isEnabled());
    EXPECT_EQ(Rows(Cyc()), 4);
    // System time on, cyclic handlers off: only the check box can be used.
    Conf().m_tim.SetUse(1);
    Conf().m_cyc.SetUse(0);
    View()->RefreshAll();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(Cyc()->UseCheck()->isChecked());
}

TEST_F(CycPanelTest, SecondLabelLiesOverTheCheckBoxText)
{
    View()->OnCyclicHandler();
    ASSERT_TRUE(Cyc()->isVisible());
    QLabel* label = Cyc()->UseLabel();
    QCheckBox* box = Cyc()->UseCheck();
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(label->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(label->parentWidget(), box->parentWidget());
    const QRect area = label->geometry();
    EXPECT_TRUE(box->geometry().contains(area.center()));
    // Right of the indicator, so the box stays visible.
    EXPECT_GT(area.left(), box->geometry().left());
}

TEST_F(CycPanelTest, UseAndCountRecomputeTheEstimate)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString used = RamText();
    Click(Cyc()->UseCheck());
    EXPECT_EQ(Conf().m_cyc.GetUse(), 0);
    EXPECT_NE(RamText(), used);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    Click(Cyc()->UseCheck());
    EXPECT_EQ(RamText(), used);
    Choose(Cyc()->NumberCombo(), 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycNum, 2);
    EXPECT_EQ(Rows(Cyc()), 2);
    EXPECT_NE(RamText(), used);
    Choose(Cyc()->NumberCombo(), 4);
    ASSERT_EQ(Rows(Cyc()), 5);
    EXPECT_EQ(Row(Cyc(), 2), (Cells{"", "3", "cyc3", "300", "Start"}));
    EXPECT_EQ(Row(Cyc(), 4), (Cells{"*", "5", "cyc5", "500", "Start"}));
}

TEST_F(CycPanelTest, DialogShowsTheHandler)
{
    QString caption, id, func, time, attr;
    Cells labels;
    EXPECT_TRUE(EditCyc(0, [&](CCDlg_cycset* dialog) {
        caption = dialog->windowTitle();
        id = dialog->IdEdit()->text();
        func = dialog->FuncEdit()->text();
        time = dialog->TimeEdit()->text();
        attr = dialog->AttrCombo()->currentText();
        for (int ctl : {1088, 1089, 1091, 1090}) {
            labels.push_back(qvui::FromQ(dialog->findChild<QLabel*>(qvui::ControlName(ctl))->text()));
        }
        EXPECT_EQ(dialog->AttrCombo()->count(), 2);
        EXPECT_EQ(dialog->AttrCombo()->itemText(1), QStringLiteral("Stop"));
        EXPECT_EQ(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
        dialog->reject();
    }));
    EXPECT_EQ(caption, QStringLiteral("CYCLIC-HANDLER Setting"));
    EXPECT_EQ(id, QStringLiteral("1"));
    EXPECT_EQ(func, QStringLiteral("cyc1"));
    EXPECT_EQ(time, QStringLiteral("100"));
    EXPECT_EQ(attr, QStringLiteral("Start"));
    EXPECT_EQ(labels, (Cells{"ID", "CYCLIC-HANDLER Function", "CYCLIC Time", "Init Start Attr"}));
}

TEST_F(CycPanelTest, TimeZeroMustBeTypedBeforeOk)
{
    qvui::ClearAskedDialogs();
    QString shown, attr;
    std::vector<bool> open;
    EXPECT_TRUE(EditCyc(1, [&](CCDlg_cycset* dialog) {
        shown = dialog->TimeEdit()->text();
        attr = dialog->AttrCombo()->currentText();
        dialog->OkButton()->click();
        open.push_back(dialog->isVisible());
        dialog->OkButton()->click();
        open.push_back(dialog->isVisible());
        dialog->TimeEdit()->setText(QStringLiteral("20"));
        dialog->OkButton()->click();
    }));
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(attr, QStringLiteral("Stop"));
    EXPECT_EQ(open, (std::vector<bool>{true, true}));
    EXPECT_EQ(Messages(), std::vector<QString>(2, QStringLiteral("Please input cyclic time of CYCLIC-HANDLER")));
    EXPECT_EQ(Conf().m_cyc.m_nCycTime[1], 20);
    EXPECT_EQ(Conf().m_cyc.m_nCycAttr[1], 0);
    EXPECT_EQ(Row(Cyc(), 1), (Cells{"", "2", "cyc2", "20", "Stop"}));
}

TEST_F(CycPanelTest, ChecksRunInOrderAndKeepTheText)
{
    qvui::ClearAskedDialogs();
    struct Step {
        QString func, time, message;
    };
    const QString badNumber = QStringLiteral("Invalid cyclic time of CYCLIC-HANDLER.\nPlease input a number");
    const std::vector<Step> steps = {
        {"", "", "Please input a CYCLIC-HANDLER function"},
        {" \t", "abc", "Please input a CYCLIC-HANDLER function"},
        {"1bad name();", "500", "Invalid CYCLIC-HANDLER function"},
        {"1st_handler", "", "Please input cyclic time of CYCLIC-HANDLER"},
        {"1st_handler", "0100", badNumber},
        {"1st_handler", "100ms", badNumber},
        {"1st_handler", "+100", badNumber},
        {"1st_handler", "0", badNumber},
        {"1st_handler", "-10", badNumber},
    };
    std::vector<QString> kept;
    EXPECT_TRUE(EditCyc(3, [&](CCDlg_cycset* dialog) {
        for (const Step& step : steps) {
            Submit(dialog, step.func, step.time);
            kept.push_back(dialog->isVisible() ? dialog->FuncEdit()->text() + "|" + dialog->TimeEdit()->text()
                                               : QStringLiteral("closed"));
        }
        dialog->AttrCombo()->setCurrentIndex(0);
        // Not a C name: accepted as it stands.
        Submit(dialog, QStringLiteral("  1st_handler "), QStringLiteral(" 100 "));
    }));
    ASSERT_EQ(Messages().size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(Messages()[i], steps[i].message) << i;
        EXPECT_EQ(kept[i], steps[i].func + "|" + steps[i].time) << i;
    }
    EXPECT_EQ(Conf().m_cyc.GetCycFunc(4), "1st_handler");
    EXPECT_EQ(Conf().m_cyc.m_nCycTime[3], 100);
    EXPECT_EQ(Conf().m_cyc.m_nCycAttr[3], 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[3], 1);
    EXPECT_EQ(Row(Cyc(), 3), (Cells{"", "4", "1st_handler", "100", "Start"}));
}

TEST_F(CycPanelTest, OkWithoutChangeClearsTheMarkWithoutRecomputing)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString ram = RamText();
    Conf().m_cyc.m_nCycNum = 5;  // the estimate has not seen this yet
    EXPECT_TRUE(EditCyc(0, [](CCDlg_cycset* dialog) { dialog->OkButton()->click(); }));
    EXPECT_EQ(Conf().m_cyc.m_nCycSet[0], 1);
    EXPECT_EQ(Conf().m_cyc.m_nCycTime[0], 100);
    EXPECT_EQ(Conf().m_cyc.m_nCycAttr[0], 1);
    EXPECT_EQ(Row(Cyc(), 0), (Cells{"", "1", "cyc1", "100", "Start"}));
    EXPECT_EQ(RamText(), ram);
    EXPECT_EQ(Rows(Cyc()), 5);
    EXPECT_TRUE(Cyc()->List()->selectedItems().isEmpty());
}

TEST_F(CycPanelTest, CancelEscAndCloseBoxStoreNothingButRefresh)
{
    const std::vector<std::function<void(CCDlg_cycset*)>> ends = {
        [](CCDlg_cycset* d) { d->CancelButton()->click(); },
        [](CCDlg_cycset* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](CCDlg_cycset* d) { d->close(); },
    };
    int round = 0;
    for (const auto& end : ends) {
        Conf().m_cyc.m_strCycFunc[3] = "behind" + std::to_string(round);
        EXPECT_TRUE(EditCyc(0, [&](CCDlg_cycset* dialog) {
            Submit(dialog, QStringLiteral("h"), QStringLiteral("x"));  // refused: stays open
            dialog->TimeEdit()->setText(QStringLiteral("5"));
            dialog->AttrCombo()->setCurrentIndex(1);
            end(dialog);
        })) << round;
        EXPECT_EQ(Conf().m_cyc.GetCycFunc(1), "cyc1") << round;
        EXPECT_EQ(Conf().m_cyc.m_nCycTime[0], 100) << round;
        EXPECT_EQ(Conf().m_cyc.m_nCycSet[0], 0) << round;
        EXPECT_EQ(Row(Cyc(), 0)[0], "*") << round;
        EXPECT_EQ(Row(Cyc(), 3)[2], "behind" + std::to_string(round)) << round;
        ++round;
    }
}

TEST_F(CycPanelTest, SystemTimeSwitchedOffAndOnAgain)
{
    View()->OutputPanel()->CalcMemorySize();
    const QString ram = RamText();
    Click(View()->SystimPanel()->UseCheck());
    EXPECT_EQ(Conf().m_tim.GetUse(), 0);
    EXPECT_EQ(Conf().m_cyc.GetUse(), 0);
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(Cyc()->UseCheck()->isChecked());
    EXPECT_NE(RamText(), ram);
    // On again: only the check box comes back, unchecked; the handlers stay off.
    Click(View()->SystimPanel()->UseCheck());
    EXPECT_EQ(Conf().m_cyc.GetUse(), 0);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(Cyc()->UseCheck()->isChecked());
    Click(Cyc()->UseCheck());
    EXPECT_EQ(Conf().m_cyc.GetUse(), 1);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(RamText(), ram);
}

TEST_F(CycPanelTest, NoSelectionNoDialog)
{
    ASSERT_TRUE(Cyc()->List()->selectedItems().isEmpty());
    EXPECT_FALSE(AnswerDialog<CCDlg_cycset>([this] { Cyc()->OnDblclkList(); }, [](CCDlg_cycset*) {}));
}

}  // namespace
