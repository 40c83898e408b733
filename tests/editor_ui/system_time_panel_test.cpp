// Tests of the system-time panel: its texts and refresh, the cyclic time stored when the edit loses the
// focus, the red mark and its check with messages, the use check box with its effect on the cyclic-handler
// controls and the memory-size estimate.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "load_test_util.h"
#include "panels/CCtl_SDlg_cychdr.h"

namespace {

using uitest::LoadTest;

const QColor kRed(255, 0, 0);

class SystimTest : public LoadTest {
protected:
    void SetUp() override
    {
        LoadTest::SetUp();
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Conf().m_tim.SetUse(1);
        EnableAll();
        View()->OnSystemTime();
        ASSERT_EQ(ShownPanel(), 6);
    }
    CCtl_SDlg_systim* Panel() const { return View()->SystimPanel(); }
    QLineEdit* Edit() const { return Panel()->CyclicTimeEdit(); }
    // The user types into the edit (the text is replaced as a whole) ...
    void TypeTime(const QString& text) const
    {
        Edit()->setFocus(Qt::MouseFocusReason);
        Edit()->setText(text);
    }
    // ... and then clicks somewhere else.
    void LeaveEdit() const { View()->Tree()->setFocus(Qt::MouseFocusReason); }
    bool EditIsRed() const { return Edit()->palette().color(QPalette::Text) == kRed; }
    std::string SystemTimeLine() const { return TreeLines(6).at(0); }

    // The cyclic-handler panel's use box, count list and handler list.
    struct CycControls {
        QCheckBox* useBox;
        QComboBox* count;
        QTreeWidget* list;
    };
    CycControls Cyc() const
    {
        const CCtl_SDlg_cychdr* cychdr = View()->CychdrPanel();
        return {cychdr->UseCheck(), cychdr->NumberCombo(), cychdr->List()};
    }
};

TEST_F(SystimTest, LabelsAndRefreshShowTheConfiguration)
{
    EXPECT_EQ(Panel()->UseCheck()->text(), QStringLiteral("Use SYSTEM-TIME"));
    EXPECT_EQ(Panel()->findChild<QLabel*>()->text(), QStringLiteral("Cyclic Time(msec)"));
    EXPECT_TRUE(Panel()->UseCheck()->isChecked());
    EXPECT_TRUE(Edit()->isEnabled());
    EXPECT_EQ(Edit()->text(), QStringLiteral("250"));
    EXPECT_TRUE(Edit()->alignment() & Qt::AlignRight);

    Conf().m_tim.SetUse(0);
    Conf().m_tim.m_nCyclicTime = -3;
    View()->RefreshAll();
    EXPECT_FALSE(Panel()->UseCheck()->isChecked());
    EXPECT_FALSE(Edit()->isEnabled());
    EXPECT_EQ(Edit()->text(), QStringLiteral("-3"));
}

TEST_F(SystimTest, TypedTimeIsStoredWhenTheFocusLeavesWithoutNewEstimate)
{
    View()->OutputPanel()->RomEdit()->setText(QStringLiteral("x"));
    TypeTime(QStringLiteral("500"));
    // Typing alone stores nothing.
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);
    LeaveEdit();
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 500);
    EXPECT_EQ(SystemTimeLine(), "Enable - 500 msec");
    EXPECT_EQ(Panel()->m_bInvalid, 0);
    EXPECT_EQ(View()->OutputPanel()->RomEdit()->text(), QStringLiteral("x"));
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(SystimTest, NumbersFromOneAndBlankPaddedNumbersAreStored)
{
    for (const char* text : {"1", "  75\t"}) {
        TypeTime(QString::fromLatin1(text));
        LeaveEdit();
        EXPECT_EQ(Conf().m_tim.m_nCyclicTime, QByteArray(text).trimmed().toInt()) << text;
        EXPECT_EQ(Panel()->m_bInvalid, 0) << text;
    }
    // The check before leaving the panel stores as well, without a refresh of its own.
    Edit()->setText(QStringLiteral("7"));
    View()->OnTask();
    EXPECT_EQ(Title(), "TASK");
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 7);
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(SystimTest, LeadingZeroIsMarkedRedWithoutMessageAndRefusedWhenLeavingThePanel)
{
    TypeTime(QStringLiteral("0500"));
    LeaveEdit();
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);
    EXPECT_EQ(Panel()->m_bInvalid, 1);
    EXPECT_TRUE(EditIsRed());
    EXPECT_TRUE(qvui::AskedDialogs().empty());

    View()->OnTask();
    EXPECT_EQ(MessagesAsked(QStringLiteral("Invalid cyclic time of CYCLIC-TIMER-HANDLER.(SYSTEM-TIME)\n"
                                           "Please input a number")),
              1);
    ASSERT_EQ(qvui::AskedDialogs().size(), 1u);
    EXPECT_EQ(qvui::AskedDialogs()[0].type, qvui::MB_OK);
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_EQ(ShownPanel(), 6);
    EXPECT_TRUE(Edit()->hasFocus());
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);

    // Any change of the text takes the mark away.
    Edit()->setText(QStringLiteral("05000"));
    EXPECT_EQ(Panel()->m_bInvalid, 0);
    EXPECT_FALSE(EditIsRed());
}

// Times below 1 ms are refused as any other bad text: not stored when the focus leaves, message 4014 on the check.
TEST_F(SystimTest, CheckMarksAnInvalidTextThatNeverLostTheFocus)
{
    for (const char* text : {"12x", "0", "-5"}) {
        TypeTime(QString::fromLatin1(text));
        LeaveEdit();
        EXPECT_EQ(Panel()->m_bInvalid, 1) << text;
        Edit()->clear();
        Edit()->setText(QString::fromLatin1(text));
        EXPECT_EQ(Panel()->m_bInvalid, 0) << text;
        EXPECT_EQ(Panel()->CheckCyclicTime(), 0) << text;
        EXPECT_EQ(Panel()->m_bInvalid, 1) << text;
        EXPECT_TRUE(EditIsRed()) << text;
        EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250) << text;
    }
    EXPECT_EQ(MessagesAsked(QStringLiteral("Invalid cyclic time of CYCLIC-TIMER-HANDLER.(SYSTEM-TIME)\nPlease input a number")), 3);
}

TEST_F(SystimTest, EmptyEditIsMarkedSilentlyAndRefusedWithMessage4013)
{
    TypeTime(QString());
    LeaveEdit();
    EXPECT_EQ(Panel()->m_bInvalid, 1);
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);
    EXPECT_TRUE(qvui::AskedDialogs().empty());

    View()->OnCyclicHandler();
    EXPECT_EQ(MessagesAsked(QStringLiteral("Please input cyclic time of CYCLIC-TIMER-HANDLER(SYSTEIM-TIME)")), 1);
    EXPECT_EQ(Title(), "SYSTEM-TIME");
    EXPECT_TRUE(Edit()->hasFocus());
    // The empty text does not change the mark either way.
    EXPECT_EQ(Panel()->m_bInvalid, 1);
    Edit()->setText(QStringLiteral(" "));
    EXPECT_EQ(Panel()->CheckCyclicTime(), 0);
    EXPECT_EQ(Panel()->m_bInvalid, 0);
}

TEST_F(SystimTest, EnterInTheEditStoresNothing)
{
    TypeTime(QStringLiteral("900"));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_TRUE(Edit()->hasFocus());
    EXPECT_EQ(Conf().m_tim.m_nCyclicTime, 250);
    EXPECT_TRUE(Panel()->isVisible());
}

TEST_F(SystimTest, RefreshReplacesAnInvalidTextWithTheStoredTime)
{
    TypeTime(QStringLiteral("abc"));
    LeaveEdit();
    ASSERT_EQ(Panel()->m_bInvalid, 1);
    Panel()->UseCheck()->click();
    EXPECT_EQ(Edit()->text(), QStringLiteral("250"));
    EXPECT_EQ(Panel()->m_bInvalid, 0);
    EXPECT_FALSE(EditIsRed());
    Panel()->UseCheck()->click();
    EXPECT_EQ(Edit()->text(), QStringLiteral("250"));
}

TEST_F(SystimTest, RefreshWithTheSameTextStillClearsTheMark)
{
    TypeTime(QStringLiteral("250x"));
    LeaveEdit();
    Edit()->blockSignals(true);
    Edit()->setText(QStringLiteral("250"));
    Edit()->blockSignals(false);
    ASSERT_EQ(Panel()->m_bInvalid, 1);
    View()->RefreshAll();
    EXPECT_EQ(Panel()->m_bInvalid, 0);
    EXPECT_FALSE(EditIsRed());
}

TEST_F(SystimTest, SwitchingOffAlsoSwitchesCyclicHandlersOffAndOnLeavesThemOff)
{
    const CycControls cyc = Cyc();
    Conf().m_cyc.SetUse(1);
    cyc.useBox->setChecked(true);
    View()->RefreshAll();
    EXPECT_TRUE(cyc.useBox->isEnabled());
    EXPECT_TRUE(cyc.count->isEnabled());
    EXPECT_TRUE(cyc.list->isEnabled());

    View()->OutputPanel()->RomEdit()->setText(QStringLiteral("x"));
    Panel()->UseCheck()->click();
    EXPECT_EQ(Conf().m_tim.GetUse(), 0);
    EXPECT_EQ(Conf().m_cyc.GetUse(), 0);
    EXPECT_FALSE(Edit()->isEnabled());
    EXPECT_FALSE(cyc.useBox->isEnabled());
    EXPECT_FALSE(cyc.count->isEnabled());
    EXPECT_FALSE(cyc.list->isEnabled());
    EXPECT_EQ(SystemTimeLine(), "Disable");
    // The use box recomputes the estimate.
    EXPECT_NE(View()->OutputPanel()->RomEdit()->text(), QStringLiteral("x"));

    // As the cyclic-handler panel shows the cleared flag.
    cyc.useBox->setChecked(false);
    Panel()->UseCheck()->click();
    EXPECT_EQ(Conf().m_tim.GetUse(), 1);
    EXPECT_EQ(Conf().m_cyc.GetUse(), 0);
    EXPECT_TRUE(Edit()->isEnabled());
    EXPECT_TRUE(cyc.useBox->isEnabled());
    EXPECT_FALSE(cyc.useBox->isChecked());
    EXPECT_FALSE(cyc.count->isEnabled());
    EXPECT_FALSE(cyc.list->isEnabled());
    EXPECT_EQ(SystemTimeLine(), "Enable - 250 msec");
}

TEST_F(SystimTest, EstimateFollowsTheUseBox)
{
    Panel()->UseCheck()->click();
    const QString romOff = View()->OutputPanel()->RomEdit()->text();
    Panel()->UseCheck()->click();
    EXPECT_NE(View()->OutputPanel()->RomEdit()->text(), romOff);
}

TEST_F(SystimTest, DisabledEditHoldsTheStoredTimeAndPassesTheCheck)
{
    Panel()->UseCheck()->click();
    ASSERT_FALSE(Edit()->isEnabled());
    View()->OnSemaphore();
    EXPECT_EQ(Title(), "SEMAPHORE");
    EXPECT_TRUE(qvui::AskedDialogs().empty());
}

TEST_F(SystimTest, EnterAndEscInThePanelCloseNothing)
{
    Panel()->UseCheck()->setFocus();
    QTest::keyClick(Panel()->UseCheck(), Qt::Key_Return);
    QTest::keyClick(Panel()->UseCheck(), Qt::Key_Escape);
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(Conf().m_tim.GetUse(), 1);
}

}  // namespace
