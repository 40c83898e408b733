// The Edit commands: their enable rules follow the focus edit, its selection, its read-only state and the
// clipboard; the commands and their second accelerators act on the focus edit.
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "command_ids.h"
#include "ui_test_util.h"

namespace {

using uitest::EditorTest;

class EditCommandsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QWidget* panel = View()->SettingPanel(0);
        m_line = new QLineEdit(panel);
        m_line->setGeometry(10, 10, 200, 24);
        m_line->show();
        m_text = new QPlainTextEdit(panel);
        m_text->setGeometry(10, 40, 200, 80);
        m_text->show();
        m_button = new QPushButton(QStringLiteral("x"), panel);
        m_button->setGeometry(10, 130, 60, 24);
        m_button->show();
        QApplication::clipboard()->clear();
    }
    bool Enabled(int id) const { return Frame()->Action(id)->isEnabled(); }
    void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_button = nullptr;
};

TEST_F(EditCommandsTest, CopyAndCutNeedAFocusEditWithASelection)
{
    Focus(m_line);
    m_line->setText(QStringLiteral("abc"));
    m_line->deselect();
    EXPECT_FALSE(Enabled(qvcmd::kEditCopy));
    EXPECT_FALSE(Enabled(qvcmd::kEditCut));
    m_line->selectAll();
    EXPECT_TRUE(Enabled(qvcmd::kEditCopy));
    EXPECT_TRUE(Enabled(qvcmd::kEditCut));
    Focus(m_button);
    EXPECT_FALSE(Enabled(qvcmd::kEditCopy));
    Focus(m_text);
    m_text->setPlainText(QStringLiteral("line"));
    EXPECT_FALSE(Enabled(qvcmd::kEditCopy));
    m_text->selectAll();
    EXPECT_TRUE(Enabled(qvcmd::kEditCopy));
}

TEST_F(EditCommandsTest, PasteNeedsAWritableFocusEditAndTextOnTheClipboard)
{
    Focus(m_line);
    EXPECT_FALSE(Enabled(qvcmd::kEditPaste));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    EXPECT_TRUE(Enabled(qvcmd::kEditPaste));
    m_line->setReadOnly(true);
    Frame()->UpdateCommandUI();
    EXPECT_FALSE(Enabled(qvcmd::kEditPaste));
    Focus(m_button);
    EXPECT_FALSE(Enabled(qvcmd::kEditPaste));
    Focus(m_text);
    EXPECT_TRUE(Enabled(qvcmd::kEditPaste));
}

TEST_F(EditCommandsTest, CommandsActOnTheFocusEdit)
{
    Focus(m_line);
    m_line->setText(QStringLiteral("abc"));
    m_line->selectAll();
    Frame()->Action(qvcmd::kEditCopy)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
    Frame()->Action(qvcmd::kEditCut)->trigger();
    EXPECT_EQ(m_line->text(), QString());
    Frame()->Action(qvcmd::kEditPaste)->trigger();
    Frame()->Action(qvcmd::kEditPaste)->trigger();
    EXPECT_EQ(m_line->text(), QStringLiteral("abcabc"));
    // Alt+E gives the menu bar the focus: the commands judge and act on the edit, whose selection stays.
    m_line->setSelection(1, 1);
    QTest::keyClick(m_line, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(Enabled(qvcmd::kEditPaste));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("b"));
}

TEST_F(EditCommandsTest, InsertAndDeleteAcceleratorsWorkLikeTheLetterOnes)
{
    Focus(m_line);
    m_line->setText(QStringLiteral("xyz"));
    m_line->selectAll();
    QTest::keyClick(m_line, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("xyz"));
    QTest::keyClick(m_line, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(m_line->text(), QString());
    QTest::keyClick(m_line, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(m_line->text(), QStringLiteral("xyz"));
    const QList<QKeySequence> copyKeys = Frame()->Action(qvcmd::kEditCopy)->shortcuts();
    EXPECT_TRUE(copyKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_C)));
    EXPECT_TRUE(copyKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Insert)));
    EXPECT_TRUE(Frame()->Action(qvcmd::kEditPaste)->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)));
    EXPECT_TRUE(Frame()->Action(qvcmd::kEditCut)->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Delete)));
}

}  // namespace
