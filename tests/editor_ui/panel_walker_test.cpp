// Every panel and edit dialog walked in the language of the test program (English, and Japanese in the
// Japanese program), with a configuration loaded at the default frame size: no control below its natural
// height, no text cut, nothing outside its parent, Tab in reading order starting where showing the panel put
// the focus, the wheel turning no box without the focus. A picture of each panel and dialog is written for
// review next to the build.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>
#include <functional>

#include "app/CAboutDlg.h"
#include "entry_list_test_util.h"
#include "load_test_util.h"

namespace {

QString Name(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
    else if (auto* group = qobject_cast<const QGroupBox*>(w)) text = group->title();
    else if (auto* combo = qobject_cast<const QComboBox*>(w)) text = combo->currentText();
    return QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(w->metaObject()->className()), w->objectName(), text);
}

// The controls of a panel or dialog: widgets of a control class that are not parts of another control.
bool IsControl(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w);
}
std::vector<QWidget*> Controls(QWidget* root)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsControl(w) || !w->isVisibleTo(root) || qobject_cast<QScrollArea*>(w)) continue;
        bool part = false;
        for (QWidget* p = w->parentWidget(); p != root && p != nullptr; p = p->parentWidget()) {
            part = part || qobject_cast<QComboBox*>(p) || qobject_cast<QLineEdit*>(p) ||
                   (qobject_cast<QAbstractScrollArea*>(p) && !qobject_cast<QScrollArea*>(p));
        }
        if (!part) controls.push_back(w);
    }
    return controls;
}

// The pixels a line edit has for its text: its contents less the 2 pixels Qt keeps clear on either side.
int LineEditRoom(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).marginsRemoved(edit->textMargins()).width() - 4;
}

// A row as high as its text's line, in the fonts its characters fall back to as well.
void CheckRowHeight(int row, const QFont& font, const QString& text, const QString& where, QStringList& faults)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (row < line.height()) faults << QStringLiteral("%1: \"%2\" is %3 high in a row of %4").arg(where, text).arg(line.height()).arg(row);
}

// Every header and cell of a list whole in its column: a header label has its section less the style's
// header margin twice on either side before Qt elides it, a cell its column less the focus frame's margin
// and a pixel on either side; and the column is as wide as the list's own size hints for it ask.
void CheckColumns(QTreeWidget* list, const QString& where, QStringList& faults)
{
    const QHeaderView* header = list->header();
    const int headerMargins = 4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const auto* view = static_cast<const QAbstractItemView*>(list);  // its public size hints
    for (int c = 0; c < list->columnCount(); ++c) {
        std::vector<std::pair<QString, int>> texts{{list->headerItem()->text(c), header->fontMetrics().horizontalAdvance(list->headerItem()->text(c)) + headerMargins}};
        const int hint = std::max(header->sectionSizeHint(c), view->sizeHintForColumn(c));
        texts.emplace_back(QStringLiteral("the size hint"), hint);
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            texts.emplace_back(list->topLevelItem(r)->text(c), list->fontMetrics().horizontalAdvance(list->topLevelItem(r)->text(c)) + cellMargins);
            CheckRowHeight(list->visualItemRect(list->topLevelItem(r)).height(), list->font(), list->topLevelItem(r)->text(c), where, faults);
        }
        for (const auto& [text, need] : texts) {
            if (list->columnWidth(c) < need) faults << QStringLiteral("%1: \"%2\" has %3 pixels for %4").arg(where, text).arg(list->columnWidth(c)).arg(need);
        }
    }
}

// A control squeezed below what its style and font need, with its text cut, or reaching out of its parent.
// A `stretching` control follows its panel's size, down to nothing. A line edit needs its text and a pixel
// for the cursor after it; a combo box every choice it offers. Path edits scroll through their paths.
void CheckSizes(QWidget* root, const QString& where, QStringList& faults, const QWidget* stretching = nullptr)
{
    for (QWidget* w : Controls(root)) {
        const QString name = where + QStringLiteral(": ") + Name(w);
        const bool shrinks = (w->sizePolicy().verticalPolicy() & QSizePolicy::ShrinkFlag) != 0;
        const int natural = shrinks ? w->minimumSizeHint().height() : w->sizeHint().height();
        if (w != stretching && w->height() < natural) faults << QStringLiteral("%1 is %2 high, needs %3").arg(name).arg(w->height()).arg(natural);
        if (!w->parentWidget()->rect().contains(w->geometry())) faults << name + QStringLiteral(" reaches out of its parent");
        int room = w->width();
        int text = 0;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
            qobject_cast<QGroupBox*>(w)) {
            // A group's size hint is what its contents would like; its title needs only its least size.
            text = qobject_cast<QGroupBox*>(w) ? w->minimumSizeHint().width() : w->sizeHint().width();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
            text = button->fontMetrics().horizontalAdvance(button->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
            for (int i = 0; i < combo->count(); ++i) text = std::max(text, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w); edit != nullptr && !root->inherits("CCtl_SDlg_Proj")) {
            room = LineEditRoom(edit);
            text = edit->fontMetrics().horizontalAdvance(edit->text()) + 1;
        } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
            CheckColumns(list, name, faults);
        }
        if (room < text) faults << QStringLiteral("%1 has %2 pixels for a text of %3").arg(name).arg(room).arg(text);
    }
}

// The controls that Tab stops at, in reading order: rows from the top, each row from the left.
std::vector<QWidget*> ReadingOrder(QWidget* root)
{
    std::vector<std::pair<QRect, QWidget*>> stops;
    for (QWidget* w : Controls(root)) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) stops.emplace_back(QRect(w->mapTo(root, QPoint()), w->size()), w);
    }
    std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first.center().y() < b.first.center().y(); });
    std::vector<QWidget*> order;
    for (size_t row = 0; row < stops.size();) {
        // One row: every control that the first one's middle line runs through.
        const int line = stops[row].first.center().y();
        size_t end = row;
        while (end < stops.size() && stops[end].first.top() <= line) ++end;
        std::sort(stops.begin() + row, stops.begin() + end, [](const auto& a, const auto& b) { return a.first.x() < b.first.x(); });
        for (size_t i = row; i < end; ++i) order.push_back(stops[i].second);
        row = end;
    }
    return order;
}

// Tab from the focused control runs through the reading order; the focus starts at its first control.
void CheckTabOrder(QWidget* root, const QString& where, QStringList& faults)
{
    const std::vector<QWidget*> order = ReadingOrder(root);
    if (order.empty()) return;
    QWidget* focus = root->window()->focusWidget();
    if (focus != order.front()) faults << where + QStringLiteral(": the focus is on ") + (focus ? Name(focus) : QStringLiteral("nothing"));
    order.front()->setFocus(Qt::TabFocusReason);
    for (size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(root->window()->focusWidget(), Qt::Key_Tab);
        QWidget* reached = root->window()->focusWidget();
        if (reached != order[i]) {
            faults << QStringLiteral("%1: Tab from %2 reaches %3, not %4")
                          .arg(where, Name(order[i - 1]), reached ? Name(reached) : QStringLiteral("nothing"), Name(order[i]));
            return;
        }
    }
}

// The output panel's log stretches with the panel: where the bars leave it room for its memory-size line
// and a few lines of log, the panel itself never scrolls (where the user left it less, it does).
void CheckNoOuterBar(const CCtl_SDlg_output* output, const QString& where, QStringList& faults, bool squeezed = false)
{
    const QScrollArea* scroll = output->ScrollArea();
    if (scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible() ||
        output->Client()->size() != scroll->viewport()->size()) {
        if (!squeezed) faults << where + QStringLiteral(": the output panel scrolls beside its log");
    }
    // Qt's own count of the lines in view: a log of the same size, filled with the language's log lines,
    // scrolls to its end no further than leaves a few of them shown.
    const QPlainTextEdit* log = output->LogEdit();
    QPlainTextEdit probe;
    probe.setFont(log->font());
    probe.setLineWrapMode(QPlainTextEdit::NoWrap);
    probe.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    probe.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    probe.resize(log->size());
    probe.setPlainText(QStringList(8, LoadStr(5002)).join(QLatin1Char('\n')));
    probe.show();
    QCoreApplication::processEvents();
    if (probe.blockCount() - probe.verticalScrollBar()->maximum() < CCtl_SDlg_output::kLogLines) {
        faults << where + QStringLiteral(": the log shows less than a few lines");
    }
}

// Every line below an open item is shown, with room for its whole text in the column, and the whole column
// can be scrolled into the pane.
void CheckTreeLines(QTreeWidget* tree, const QString& where, QStringList& faults)
{
    const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
    const std::function<void(QTreeWidgetItem*)> check = [&](QTreeWidgetItem* item) {
        const int room = tree->visualItemRect(item).width();
        const int text = tree->fontMetrics().horizontalAdvance(item->text(0)) + margins;
        if (room < text) faults << QStringLiteral("%1: \"%2\" has %3 pixels for %4").arg(where, item->text(0)).arg(room).arg(text);
        CheckRowHeight(tree->visualItemRect(item).height(), tree->font(), item->text(0), where, faults);
        for (int i = 0; item->isExpanded() && i < item->childCount(); ++i) check(item->child(i));
    };
    check(tree->topLevelItem(0));
    const QScrollBar* bar = tree->horizontalScrollBar();
    const int hidden = tree->columnWidth(0) - tree->viewport()->width();
    if (hidden > 0 && (!bar->isVisible() || bar->maximum() < hidden)) {
        faults << QStringLiteral("%1: %2 pixels of the column out of reach (bar %3, range %4)")
                      .arg(where).arg(hidden).arg(bar->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")).arg(bar->maximum());
    }
}

// A window as wide as its whole title beside the window manager's icon and buttons.
void CheckTitle(const QWidget* window, const QString& where, QStringList& faults)
{
    QFont bold = window->font();
    bold.setBold(true);
    const int need = QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + qvui::TitleBarAllowance(window->font());
    if (window->width() < need) faults << QStringLiteral("%1: \"%2\" needs %3 pixels of %4").arg(where, window->windowTitle()).arg(need).arg(window->width());
}

// One wheel step, as the window system delivers it, over each box turns the box that has the focus and no other.
void CheckWheel(QWidget* root, const QString& where, QStringList& faults)
{
    for (QComboBox* box : root->findChildren<QComboBox*>()) {
        const int index = box->currentIndex();
        const bool focused = box->hasFocus();
        const QPoint step(0, index + 1 < box->count() ? -120 : 120);
        QWheelEvent event(QPointF(), box->mapToGlobal(QPointF()), QPoint(), step, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(box, &event);
        if ((box->currentIndex() != index) != focused || box->hasFocus() != focused) {
            faults << where + (focused ? QStringLiteral(": the wheel missed ") : QStringLiteral(": the wheel turned ")) + Name(box);
        }
    }
}

void Save(QWidget* w, const QString& name)
{
    EXPECT_TRUE(uitest::SaveScreenshot(w, qvui::IsJapanese() ? name + QStringLiteral("_ja") : name));
}

class PanelWalker : public uitest::LoadTest {
protected:
    void SetUp() override
    {
#ifdef QV_JAPANESE_PROGRAM
        if (!uitest::JapaneseLocaleReady()) GTEST_SKIP() << uitest::JapaneseLocaleProblem();
        ASSERT_TRUE(qvui::IsJapanese());
#endif
        LoadTest::SetUp();
    }
    // A sleeping task and a cyclic handler named in Japanese: in English their glyphs come from a taller font.
    void JapaneseNames()
    {
        Conf().m_tsk.SetTskData(2, 1, 128, qvui::FromQ(QStringLiteral("タスク_受信")));
        Conf().m_cyc.SetCycData(1, 1, qvui::FromQ(QStringLiteral("周期_ハンドラ")), 100);
    }
};

TEST_F(PanelWalker, EveryPanelAndDialogShowsWholeAndTabsInReadingOrder)
{
    ChooseFolder(MakeSet("trio"));
    ASSERT_EQ(View()->m_nEnableMask, 0x3ffu);
    // A task function of 50 letters, whose width is not a whole number of pixels.
    Conf().m_tsk.SetTskData(1, 0, 128, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx");
    JapaneseNames();
    View()->RefreshAll();
    QStringList faults;
    const char* const panels[] = {"panel_files", "panel_cpu", "panel_task", "panel_eventflag", "panel_semaphore",
                                  "panel_dataqueue", "panel_systemtime", "panel_cyclic"};
    const std::function<void()> show[] = {[&] { View()->OnSelectConfFiles(); }, [&] { View()->OnCpuKernelMaskLevel(); },
                                          [&] { View()->OnTask(); },            [&] { View()->OnEventflg(); },
                                          [&] { View()->OnSemaphore(); },       [&] { View()->OnDataQue(); },
                                          [&] { View()->OnSystemTime(); },      [&] { View()->OnCyclicHandler(); }};
    for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
        show[i]();
        QWidget* panel = View()->SettingPanel(i);
        ASSERT_TRUE(panel->isVisible()) << panels[i];
        QCoreApplication::processEvents();
        // The picture as the panel opens, before Tab scrolls it.
        Save(Frame(), QLatin1String(panels[i]));
        CheckSizes(panel, QLatin1String(panels[i]), faults);
        CheckTabOrder(panel, QLatin1String(panels[i]), faults);
        View()->Tree()->setFocus();
        CheckWheel(panel, QLatin1String(panels[i]), faults);
    }
    show[5]();
    View()->SettingPanel(5)->findChild<QComboBox*>()->setFocus();
    CheckWheel(View()->SettingPanel(5), QStringLiteral("panel_dataqueue (count focused)"), faults);
    CheckSizes(View()->OutputPanel(), QStringLiteral("panel_output"), faults);
    CheckNoOuterBar(View()->OutputPanel(), QStringLiteral("panel_output"), faults);
    View()->OutputPanel()->RomEdit()->setFocus();
    CheckTabOrder(View()->OutputPanel(), QStringLiteral("panel_output"), faults);
    // The default frame's client area under a window manager, whose decoration takes 25 pixels of its height.
    const QSize frameSize = Frame()->size();
    Frame()->resize(678, 525);
    QCoreApplication::processEvents();
    CheckNoOuterBar(View()->OutputPanel(), QStringLiteral("panel_output (window manager)"), faults);
    Save(Frame(), QStringLiteral("main_window_manager"));
    Frame()->resize(frameSize);
    QCoreApplication::processEvents();

    // The horizontal bar dragged as high as it goes, then as low: the panels above it scroll rather than
    // squeeze, and so does the output panel below it.
    for (const int towards : {0, View()->height()}) {
        const QRect bar = View()->HorizontalBar()->geometry();
        uitest::SendMouse(View(), QEvent::MouseButtonPress, bar.center());
        uitest::SendMouse(View(), QEvent::MouseMove, QPoint(bar.center().x(), towards));
        uitest::SendMouse(View(), QEvent::MouseButtonRelease, QPoint(bar.center().x(), towards));
        const QString where = towards == 0 ? QStringLiteral(" (bar up)") : QStringLiteral(" (bar down)");
        for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
            show[i]();
            QCoreApplication::processEvents();
            CheckSizes(View()->SettingPanel(i), QLatin1String(panels[i]) + where, faults);
            if (i == 0 && towards == 0) {
                EXPECT_GT(View()->ProjPanel()->ScrollArea()->verticalScrollBar()->maximum(), 0);
                Save(Frame(), QStringLiteral("panel_files_small"));
            }
        }
        CheckSizes(View()->OutputPanel(), QStringLiteral("panel_output") + where, faults, View()->OutputPanel()->LogEdit());
        CheckNoOuterBar(View()->OutputPanel(), QStringLiteral("panel_output") + where, faults, towards != 0);
    }
    Save(Frame(), QStringLiteral("panel_output_small"));
    // The vertical bar dragged as far right as it goes: every label, button and memory-size line stays whole.
    const QPoint vbar = View()->VerticalBar()->geometry().center();
    uitest::SendMouse(View(), QEvent::MouseButtonPress, vbar);
    uitest::SendMouse(View(), QEvent::MouseMove, QPoint(View()->width(), vbar.y()));
    uitest::SendMouse(View(), QEvent::MouseButtonRelease, QPoint(View()->width(), vbar.y()));
    QCoreApplication::processEvents();
    CheckSizes(View()->OutputPanel(), QStringLiteral("panel_output (bar right)"), faults, View()->OutputPanel()->LogEdit());
    CheckNoOuterBar(View()->OutputPanel(), QStringLiteral("panel_output (bar right)"), faults, true);
    Save(Frame(), QStringLiteral("panel_output_narrow"));
    for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
        show[i]();
        QCoreApplication::processEvents();
        CheckSizes(View()->SettingPanel(i), QLatin1String(panels[i]) + QStringLiteral(" (bar right)"), faults);
        if (i == 1) Save(Frame(), QStringLiteral("panel_cpu_narrowest"));
    }

    // The five edit dialogs, opened by a double-click on every row of its panel (the rows of every kind:
    // priority and rotation tasks, handlers with and without a time). The picture is of the first row, and
    // of the last, a rotation task, for the task dialog.
    const std::pair<int, const char*> dialogs[] = {{2, "dialog_task"}, {3, "dialog_eventflag"}, {4, "dialog_semaphore"},
                                                   {5, "dialog_dataqueue"}, {7, "dialog_cyclic"}};
    Conf().m_cyc.m_nCycTime[1] = 0;
    View()->RefreshAll();
    for (const auto& [index, name] : dialogs) {
        show[index]();
        auto* panel = static_cast<CEntryListPanel*>(View()->SettingPanel(index));
        for (int row = 0; row < panel->List()->topLevelItemCount(); ++row) {
            const QString where = QStringLiteral("%1 row %2").arg(QLatin1String(name)).arg(row);
            panel->List()->setCurrentItem(panel->List()->topLevelItem(row));
            const bool last = row + 1 == panel->List()->topLevelItemCount();
            const bool seen = uitest::AnswerDialog<CEntryEditDialog>([&] { panel->OnDblclkList(); }, [&](CEntryEditDialog* dialog) {
                if (row == 0) Save(dialog, QLatin1String(name));
                if (last && index == 2) Save(dialog, QLatin1String(name) + QStringLiteral("_rotation"));
                CheckSizes(dialog, where, faults);
                if (row == 0) CheckTabOrder(dialog, where, faults);
                if (row == 0) CheckTitle(dialog, where, faults);
                if (row == 0) CheckWheel(dialog, where, faults);
                if (row > 0 || index != 2) return;
                // A message box of the dialog, shown for real: over the dialog, with its whole title.
                dialog->findChild<QLineEdit*>(qvui::ControlName(2209))->clear();
                qvui::SetAutomaticAnswers(false);
                const bool message = uitest::AnswerDialog<QMessageBox>([&] { dialog->OkButton()->click(); }, [&](QMessageBox* box) {
                    CheckTitle(box, where + QStringLiteral(" message"), faults);
                    EXPECT_EQ(box->parentWidget(), dialog);
                });
                qvui::SetAutomaticAnswers(true);
                EXPECT_TRUE(message);
            });
            EXPECT_TRUE(seen) << qvui::FromQ(where);
        }
    }
    EXPECT_TRUE(uitest::AnswerDialog<CAboutDlg>([&] { CAboutDlg(Frame()).exec(); }, [&](CAboutDlg* box) { CheckTitle(box, QStringLiteral("about"), faults); }));
    EXPECT_TRUE(faults.isEmpty()) << qvui::FromQ(faults.join(QLatin1Char('\n')));
}

// The whole tree opened from the keyboard ("*" on the selected root) shows every line whole and
// scrolls sideways to the longest; so does the tree after a refresh, a collapse and a larger font.
TEST_F(PanelWalker, TreeOpenedFromTheKeyboardShowsEveryLineWhole)
{
    ChooseFolder(MakeSet("trio"));
    JapaneseNames();
    View()->RefreshAll();
    QTreeWidget* tree = View()->Tree();
    tree->setCurrentItem(View()->RootItem());
    tree->setFocus(Qt::MouseFocusReason);
    QStringList faults;
    const auto check = [&](const char* where) {
        QCoreApplication::processEvents();
        CheckTreeLines(tree, QLatin1String(where), faults);
    };
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_Asterisk, Qt::ShiftModifier);
    ASSERT_TRUE(View()->CategoryItem(CQuorvaneConfiguratorView::kCategoryCount - 1)->child(0)->isExpanded());
    check("expanded");
    // The pane dragged wider, the tree scrolled to the ends of the lines, for the picture.
    const QRect bar = View()->VerticalBar()->geometry();
    uitest::SendMouse(View(), QEvent::MouseButtonPress, bar.center());
    uitest::SendMouse(View(), QEvent::MouseMove, QPoint(400, bar.center().y()));
    uitest::SendMouse(View(), QEvent::MouseButtonRelease, QPoint(400, bar.center().y()));
    check("wider");
    tree->horizontalScrollBar()->setValue(tree->horizontalScrollBar()->maximum());
    Save(Frame(), QStringLiteral("tree_expanded"));
    View()->RefreshAll();
    check("refreshed");
    View()->CategoryItem(2)->setExpanded(false);  // the task lines, the longest, closed
    check("collapsed");
    QFont larger = tree->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    tree->setFont(larger);
    check("larger font");
    EXPECT_TRUE(faults.isEmpty()) << qvui::FromQ(faults.join(QLatin1Char('\n')));
}

}  // namespace
