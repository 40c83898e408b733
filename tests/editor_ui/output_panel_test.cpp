// The output panel: the memory-size line and its hidden fields, the log's appending, clearing and
// scrolling, the keys it ignores, the log's stretching, and the estimate written into the fields.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>

#include "ui_test_util.h"
#include "memory_size_examples.h"
#include "ui_text.h"

namespace {

using uitest::EditorTest;

class OutputPanelTest : public EditorTest {
protected:
    CCtl_SDlg_output* Panel() const { return View()->OutputPanel(); }
    std::string Log() const { return Panel()->GetLogText(); }
    CCData_conf_info& Conf() const { return Doc()->GetConfInfo(); }
    QStringList Figures() const
    {
        return {Panel()->RomEdit()->text(), Panel()->RamEdit()->text(), Panel()->RebuildRomEdit()->text(),
                Panel()->RebuildRamEdit()->text()};
    }
};

TEST_F(OutputPanelTest, ShowsTheMemorySizeLineAndHidesTheRebuildFields)
{
    EXPECT_EQ(Panel()->MemorySizeLabel()->text(), QStringLiteral("Memory Size : ROM="));
    EXPECT_EQ(Panel()->RebuildLabel()->text(), QStringLiteral("(OS Re-Build :ROM="));
    EXPECT_TRUE(Panel()->MemorySizeLabel()->isVisible());
    EXPECT_TRUE(Panel()->RomEdit()->isVisible());
    EXPECT_TRUE(Panel()->RamEdit()->isVisible());
    EXPECT_TRUE(Panel()->LogEdit()->isVisible());
    EXPECT_FALSE(Panel()->RebuildLabel()->isVisible());
    EXPECT_FALSE(Panel()->RebuildRomEdit()->isVisible());
    EXPECT_FALSE(Panel()->RebuildRamEdit()->isVisible());
    const auto* ramLabel = Panel()->findChild<QLabel*>(QStringLiteral("label1076"));
    ASSERT_NE(ramLabel, nullptr);
    EXPECT_EQ(ramLabel->text(), QStringLiteral("RAM="));
    EXPECT_TRUE(ramLabel->isVisible());
    // The label's whole text fits, and the line reads label, ROM, "RAM=", RAM from left to right.
    const QLabel* label = Panel()->MemorySizeLabel();
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_LT(label->geometry().right(), Panel()->RomEdit()->x());
    EXPECT_LT(Panel()->RomEdit()->geometry().right(), ramLabel->x());
    EXPECT_LT(ramLabel->geometry().right(), Panel()->RamEdit()->x());
    EXPECT_LT(Panel()->RamEdit()->geometry().bottom(), Panel()->LogEdit()->y());
    // Empty until the first estimate; the log too.
    EXPECT_EQ(Figures(), QStringList({"", "", "", ""}));
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Panel()->m_nLineCount, 0);
}

TEST_F(OutputPanelTest, FiguresAndLogAreDrawnOnTheViewsWhite)
{
    for (QWidget* field : std::initializer_list<QWidget*>{Panel()->RomEdit(), Panel()->RamEdit(), Panel()->LogEdit()}) {
        EXPECT_EQ(field->palette().color(QPalette::Base), View()->m_crWhite) << field->objectName().toStdString();
    }
    EXPECT_EQ(Panel()->RomEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(Panel()->RamEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(OutputPanelTest, AppendsLinesWithCrLfAndCountsThem)
{
    Panel()->ClearMessage();
    Panel()->AddMessage("a");
    Panel()->AddMessage("b");
    Panel()->AddMessage("c");
    EXPECT_EQ(Log(), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(Panel()->m_nLineCount, 3);
    // Shown as three lines and the empty line the last line end opens.
    EXPECT_EQ(Panel()->LogEdit()->document()->blockCount(), 4);
    EXPECT_EQ(Panel()->LogEdit()->document()->findBlockByNumber(1).text(), QStringLiteral("b"));

    Panel()->ClearMessage();
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Panel()->m_nLineCount, 0);

    Panel()->AddMessage("");
    EXPECT_EQ(Log(), "\r\n");
    EXPECT_EQ(Panel()->m_nLineCount, 1);
}

TEST_F(OutputPanelTest, MessageTextIsWrittenAsItStands)
{
    Panel()->AddMessage("(E) %s%n %d \xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB");
    EXPECT_EQ(Log(), "(E) %s%n %d \xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\r\n");
}

TEST_F(OutputPanelTest, TextTypedIntoTheLogStaysBeforeTheNextLine)
{
    Panel()->AddMessage("first");
    QPlainTextEdit* log = Panel()->LogEdit();
    log->setFocus();
    log->moveCursor(QTextCursor::End);
    QTest::keyClicks(log, "typed");
    QTest::keyClick(log, Qt::Key_Return);  // Enter makes a line break in the log
    Panel()->AddMessage("second");
    EXPECT_EQ(Log(), "first\r\ntyped\r\nsecond\r\n");
    EXPECT_EQ(Panel()->m_nLineCount, 2);
}

TEST_F(OutputPanelTest, ScrollsTheNewestLinesIntoView)
{
    QScrollBar* bar = Panel()->LogEdit()->verticalScrollBar();
    Panel()->AddMessage("one");
    EXPECT_EQ(bar->value(), std::min(1, bar->maximum()));
    for (int i = 0; i < 40; ++i) Panel()->AddMessage("line " + std::to_string(i));
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(Panel()->LogEdit()->horizontalScrollBar()->value(), 0);
    // The last written line is within the shown part of the log.
    const QTextBlock last = Panel()->LogEdit()->document()->findBlockByNumber(40);
    ASSERT_EQ(last.text(), QStringLiteral("line 39"));
    QTextCursor cursor(last);
    const QRect shown = Panel()->LogEdit()->viewport()->rect();
    EXPECT_TRUE(shown.contains(Panel()->LogEdit()->cursorRect(cursor).center()));
}

TEST_F(OutputPanelTest, EscAndEnterChangeNothing)
{
    Panel()->AddMessage("kept");
    Panel()->RomEdit()->setText(QStringLiteral("123"));
    QTest::keyClick(Panel()->RomEdit(), Qt::Key_Return);
    QTest::keyClick(Panel()->RomEdit(), Qt::Key_Escape);
    QTest::keyClick(Panel()->LogEdit(), Qt::Key_Escape);
    QTest::keyClick(Panel(), Qt::Key_Escape);
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(Panel()->RomEdit()->text(), QStringLiteral("123"));
    EXPECT_EQ(Log(), "kept\r\n");
    EXPECT_EQ(ShownPanel(), 0);
}

TEST_F(OutputPanelTest, LogStretchesNinePixelsShortOfTheRightAndBottomEdges)
{
    // The rule works on the panel's client area: inside its sunken edge, as large as the panel down to the
    // memory-size line and a few lines of log; below that the panel scrolls to both.
    const QPoint topLeft = Panel()->LogEdit()->pos();
    const QWidget* client = Panel()->Client();
    for (const QSize size : {QSize(500, 200), QSize(300, 120), QSize(640, 330), QSize(150, 50)}) {
        Panel()->resize(size);
        QCoreApplication::processEvents();
        const QSize least = CCtl_SDlg_output::MinimumPanelSize(Panel()->font());
        EXPECT_EQ(Panel()->ScrollArea()->horizontalScrollBar()->isVisible(), size.width() < least.width());
        EXPECT_TRUE(client->rect().contains(Panel()->RamEdit()->geometry()));
        EXPECT_GE(Panel()->LogEdit()->viewport()->height(), CCtl_SDlg_output::kLogLines * Panel()->LogEdit()->fontMetrics().lineSpacing());
        EXPECT_EQ(client->size(), Panel()->ScrollArea()->viewport()->size().expandedTo(client->minimumSize()));
        const QRect log = Panel()->LogEdit()->geometry();
        EXPECT_EQ(log.topLeft(), topLeft);
        EXPECT_EQ(log.x() + log.width(), client->width() - 9);
        EXPECT_EQ(log.y() + log.height(), client->height() - 9);
    }
    // The view's layout sizes the panel; the log follows.
    View()->OnSize(View()->width(), View()->height() + 40);
    const QRect log = Panel()->LogEdit()->geometry();
    EXPECT_EQ(client->size(), Panel()->contentsRect().size());
    EXPECT_EQ(log.x() + log.width(), client->width() - 9);
    EXPECT_EQ(log.y() + log.height(), client->height() - 9);
}

TEST_F(OutputPanelTest, EstimateOfAFreshConfiguration)
{
    Panel()->CalcMemorySize();
    EXPECT_EQ(Figures(), QStringList({"2206", "31", "1433", "25"}));
}

TEST_F(OutputPanelTest, EstimateWithEveryKindUsed)
{
    CCData_conf_info& conf = Conf();
    memsizeexample::Type25WithEveryKindUsed(conf);
    conf.m_dtq.SetDtqData(3, 0, 100);  // beyond the count: not summed
    Panel()->CalcMemorySize();
    EXPECT_EQ(Figures(), QStringList({"7421", "211", "4823", "173"}));
}

TEST_F(OutputPanelTest, NextEstimateOverwritesTypedFiguresAndClearEmptiesAllFour)
{
    Panel()->RamEdit()->setText(QStringLiteral("typed"));
    Panel()->CalcMemorySize();
    EXPECT_EQ(Panel()->RamEdit()->text(), QStringLiteral("31"));
    // Cyclic handlers without the system time: no ROM base, no RAM term.
    Conf().m_cyc.SetUse(1);
    Panel()->CalcMemorySize();
    EXPECT_EQ(Figures(), QStringList({"54", "31", "35", "25"}));

    Panel()->ClearMemorySize();
    EXPECT_EQ(Figures(), QStringList({"", "", "", ""}));
    // Clearing the figures leaves the log alone.
    Panel()->AddMessage("x");
    Panel()->ClearMemorySize();
    EXPECT_EQ(Log(), "x\r\n");
}

TEST_F(OutputPanelTest, RefreshDoesNotTouchThePanel)
{
    Panel()->AddMessage("kept");
    View()->RefreshAll();
    EXPECT_EQ(Log(), "kept\r\n");
    EXPECT_EQ(Figures(), QStringList({"", "", "", ""}));
}

}  // namespace
