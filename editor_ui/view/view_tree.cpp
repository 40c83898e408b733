// The navigation tree of the view: the fixed root and categories, the summary lines under them rebuilt on
// every refresh with the expanded items kept expanded, the item tables, and the refresh of the object panels.
#include <QApplication>
#include <QHash>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "doc.h"
#include "panels/CCtl_SDlg_Cpu.h"
#include "panels/CCtl_SDlg_Proj.h"
#include "panels/CCtl_SDlg_cychdr.h"
#include "panels/CCtl_SDlg_datq.h"
#include "panels/CCtl_SDlg_event.h"
#include "panels/CCtl_SDlg_semaphore.h"
#include "panels/CCtl_SDlg_systim.h"
#include "panels/CCtl_SDlg_tsk.h"
#include "row_height.h"
#include "summary_lines.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

// Every tree line is one line of plain text in the tree's own font, so its size follows from the text alone.
// The column fit measures every shown line on each rebuild, and shaping the same texts again cost most of a
// refresh: sizes are remembered per text for the font, style and pixel ratio they were measured with.
class LineSizeDelegate : public qvui::RowHeightDelegate {
public:
    using RowHeightDelegate::RowHeightDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem line = option;
        initStyleOption(&line, index);
        return LineSize(line).expandedTo(QSize(0, RowHeight()));
    }

    // The options the tree draws its lines with, built here so that a fit never asks the tree to lay out
    // its rows (the tree may be in the middle of opening several items at once).
    static QStyleOptionViewItem TreeOption(const QTreeWidget* tree)
    {
        QStyleOptionViewItem option;
        option.initFrom(tree);
        option.font = tree->font();
        option.fontMetrics = QFontMetrics(option.font);
        const int icon = tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tree);
        option.decorationSize = tree->iconSize().isValid() ? tree->iconSize() : QSize(icon, icon);
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.textElideMode = tree->textElideMode();
        option.features = QStyleOptionViewItem::HasDisplay;
        option.widget = tree;
        return option;
    }
    QSize LineSize(QStyleOptionViewItem& option, const QString& text) const
    {
        option.text = text;
        return LineSize(option);
    }

private:
    QSize LineSize(const QStyleOptionViewItem& line) const
    {
        const QWidget* widget = line.widget;
        const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        const qreal ratio = widget != nullptr ? widget->devicePixelRatioF() : 1.0;
        if (style != m_style || ratio != m_ratio || line.font != m_font) {
            m_sizes.clear();
            m_style = style;
            m_ratio = ratio;
            m_font = line.font;
        }
        const auto known = m_sizes.constFind(line.text);
        if (known != m_sizes.cend()) return *known;
        // Lines of earlier configurations are dropped now and then; a full tree has under 700 lines.
        if (m_sizes.size() >= kMaxRemembered) m_sizes.clear();
        const QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), widget);
        m_sizes.insert(line.text, size);
        return size;
    }

    static constexpr int kMaxRemembered = 8192;
    mutable QHash<QString, QSize> m_sizes;
    mutable const QStyle* m_style = nullptr;
    mutable qreal m_ratio = 0;
    mutable QFont m_font;
};

// A new font or style changes every line's width: the column is fitted again once the tree has taken the
// change in (its indentation follows the style).
class RefitOnFontChange : public QObject {
public:
    RefitOnFontChange(QObject* parent, std::function<void()> refit) : QObject(parent), m_refit(std::move(refit)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            QMetaObject::invokeMethod(this, m_refit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_refit;
};

// Tells the view while it handles a key, so that a current item moved by a key is told from a click.
class NavigationTree : public QTreeWidget {
public:
    NavigationTree(QWidget* parent, bool& byKey) : QTreeWidget(parent), m_byKey(byKey) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QScopedValueRollback<bool> byKey(m_byKey, true);
        QTreeWidget::keyPressEvent(event);
    }

private:
    bool& m_byKey;
};

}  // namespace

QTreeWidget* CQuorvaneConfiguratorView::NewTree() { return new NavigationTree(this, m_bTreeKeyMove); }

// Each line is one line of text: all rows are as high as the tallest shown line, which the column fit
// measures, and the tree asks no other row for its height.
void CQuorvaneConfiguratorView::SetUpTreeLines()
{
    m_wndTree->setUniformRowHeights(true);
    m_wndTree->setItemDelegate(new LineSizeDelegate(m_wndTree));
    m_wndTree->installEventFilter(new RefitOnFontChange(m_wndTree, [this] { FitTreeColumn(); }));
}

void CQuorvaneConfiguratorView::BuildTree()
{
    m_wndTree->setUpdatesEnabled(false);
    m_wndTree->clear();
    m_hRootItem = new QTreeWidgetItem(m_wndTree, QStringList(LoadStr(351)));
    for (int i = 0; i < kCategoryCount; ++i) {
        m_hCategoryItem[i] = new QTreeWidgetItem(m_hRootItem, QStringList(LoadStr(352 + i)));
    }
    m_hRootItem->setExpanded(true);
    m_wndTree->setUpdatesEnabled(true);
}

void CQuorvaneConfiguratorView::OnSelchangedTree()
{
    const QTreeWidgetItem* item = m_wndTree->currentItem();
    if (item == nullptr) return;
    SwitchPanel(GetTitleText(), qvui::FromQ(item->text(0)));
}

void CQuorvaneConfiguratorView::RefreshAll()
{
    if (m_pCpu != nullptr) m_pCpu->RefreshPanel();
    if (m_pTsk != nullptr) m_pTsk->RefreshPanel();
    if (m_pEvent != nullptr) m_pEvent->RefreshPanel();
    if (m_pSemaphore != nullptr) m_pSemaphore->RefreshPanel();
    if (m_pDatq != nullptr) m_pDatq->RefreshPanel();
    if (m_pSystim != nullptr) m_pSystim->RefreshPanel();
    if (m_pCychdr != nullptr) m_pCychdr->RefreshPanel();
    UpdateTree();
}

namespace {

// Category indexes in tree order.
enum Category { kConfFiles, kCpu, kTask, kEventFlag, kSemaphore, kDataQueue, kSystemTime, kCyclicHandler };

// The path edits of the configuration-files panel: inputs then outputs, each config.c, definition file,
// kinit.c.
constexpr int kPathControls[6] = {903, 905, 907, 909, 911, 913};
// The CPU panel's combo boxes and the labels their texts follow.
constexpr int kCpuCombos[3] = {1105, 1106, 1107};
constexpr int kCpuLabels[3] = {3322, 3323, 3324};

// Appends an item with the text as the last child of the parent.
QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text)
{
    return new QTreeWidgetItem(parent, QStringList(text));
}

// Labels in the current language, each looked up once per rebuild.
class LabelCache {
public:
    const std::string& operator()(int id)
    {
        auto it = m_labels.find(id);
        if (it == m_labels.end()) it = m_labels.emplace(id, qvui::FromQ(LoadStr(id))).first;
        return it->second;
    }

private:
    std::unordered_map<int, std::string> m_labels;
};

}  // namespace

// True for an item below a category: the root and the categories themselves survive every rebuild.
bool CQuorvaneConfiguratorView::IsSummaryItem(const QTreeWidgetItem* item) const
{
    if (item == nullptr || item == m_hRootItem) return false;
    for (const QTreeWidgetItem* category : m_hCategoryItem) {
        if (item == category) return false;
    }
    return true;
}

// A selected summary line is about to be deleted. Left alone, the tree would move the selection to a
// neighbour or to the category and report it as the user's choice, switching the panel behind the user's
// back; the rebuild selects nothing instead.
void CQuorvaneConfiguratorView::DropSummarySelection()
{
    if (!IsSummaryItem(m_wndTree->currentItem())) return;
    const QSignalBlocker blocker(m_wndTree);
    m_wndTree->setCurrentItem(nullptr);
    m_wndTree->clearSelection();
}

void CQuorvaneConfiguratorView::UpdateTree()
{
    if (m_pDocument == nullptr || m_hRootItem == nullptr) return;
    const CCData_conf_info& conf = m_pDocument->GetConfInfo();
    LabelCache cache;
    const LabelLookup label = [&cache](int id) { return cache(id); };

    // Drawing is held on the tree alone: the panels drew their own changes, and resuming the whole view would
    // repaint every one of them on each refresh.
    m_wndTree->setUpdatesEnabled(false);
    DropSummarySelection();
    m_bTreeRebuilding = true;

    // Configuration files: the two groups with the texts of the panel's path edits.
    {
        QTreeWidgetItem* category = m_hCategoryItem[kConfFiles];
        const int categoryOpen = IsTreeItemExpanded(category);
        const int inputOpen = IsTreeItemExpanded(m_hConfItem[0]);
        const int outputOpen = IsTreeItemExpanded(m_hConfItem[1]);
        DeleteChildItems(category);
        for (int group = 0; group < 2; ++group) {
            m_hConfItem[group] = AddItem(category, LoadStr(group == 0 ? 3316 : 3317));
            for (int i = 0; i < 3; ++i) {
                const int slot = group * 3 + i;
                const QString path = m_pProj != nullptr ? m_pProj->PathText(kPathControls[slot]) : QString();
                m_hConfItem[2 + slot] = AddItem(m_hConfItem[group], path);
            }
        }
        ExpandTreeItem(categoryOpen, category);
        ExpandTreeItem(inputOpen, m_hConfItem[0]);
        ExpandTreeItem(outputOpen, m_hConfItem[1]);
    }

    // CPU: each label followed directly by the text its combo box shows.
    {
        QTreeWidgetItem* category = m_hCategoryItem[kCpu];
        const int categoryOpen = IsTreeItemExpanded(category);
        DeleteChildItems(category);
        for (int i = 0; i < 3; ++i) {
            const QString value = m_pCpu != nullptr ? m_pCpu->ComboText(kCpuCombos[i]) : QString();
            m_hCpuItem[i] = AddItem(category, LoadStr(kCpuLabels[i]) + value);
        }
        ExpandTreeItem(categoryOpen, category);
    }

    // Tasks: one line per task.
    {
        QTreeWidgetItem* category = m_hCategoryItem[kTask];
        const int categoryOpen = IsTreeItemExpanded(category);
        DeleteChildItems(category);
        std::fill(std::begin(m_hTskItem), std::end(m_hTskItem), nullptr);
        const int count = std::min(std::max(conf.m_tsk.m_nTskNum, 0), kMaxObjects);
        for (int id = 1; id <= count; ++id) {
            m_hTskItem[id - 1] = AddItem(category, qvui::ToQ(summary::TaskLine(conf.m_tsk, id, label)));
        }
        ExpandTreeItem(categoryOpen, category);
    }

    // The optional kinds: "Enable" with one line per object, or "Disable" alone.
    const auto rebuildKind = [&](Category index, QTreeWidgetItem*& useItem, QTreeWidgetItem** lineItems, int use,
                                 int count, const auto& makeLine) {
        QTreeWidgetItem* category = m_hCategoryItem[index];
        const int categoryOpen = IsTreeItemExpanded(category);
        const int useOpen = IsTreeItemExpanded(useItem);
        DeleteChildItems(category);
        std::fill(lineItems, lineItems + kMaxObjects, nullptr);
        useItem = AddItem(category, qvui::ToQ(summary::UseLine(use, label)));
        if (use == 1) {
            const int n = std::min(std::max(count, 0), kMaxObjects);
            for (int id = 1; id <= n; ++id) lineItems[id - 1] = AddItem(useItem, qvui::ToQ(makeLine(id)));
        }
        ExpandTreeItem(categoryOpen, category);
        ExpandTreeItem(useOpen, useItem);
    };
    rebuildKind(kEventFlag, m_hFlgUseItem, m_hFlgItem, conf.m_flg.GetUse(), conf.m_flg.m_nFlgNum,
                [&](int id) { return summary::FlgLine(conf.m_flg, id, label); });
    rebuildKind(kSemaphore, m_hSemUseItem, m_hSemItem, conf.m_sem.GetUse(), conf.m_sem.m_nSemNum,
                [&](int id) { return summary::SemLine(conf.m_sem, id, label); });
    rebuildKind(kDataQueue, m_hDtqUseItem, m_hDtqItem, conf.m_dtq.GetUse(), conf.m_dtq.m_nDtqNum,
                [&](int id) { return summary::DtqLine(conf.m_dtq, id, label); });

    // System time: its one item, with the cyclic time when used.
    {
        QTreeWidgetItem* category = m_hCategoryItem[kSystemTime];
        const int categoryOpen = IsTreeItemExpanded(category);
        const int itemOpen = IsTreeItemExpanded(m_hTimItem);
        DeleteChildItems(category);
        m_hTimItem = AddItem(category, qvui::ToQ(summary::SysTimLine(conf.m_tim, label)));
        ExpandTreeItem(categoryOpen, category);
        ExpandTreeItem(itemOpen, m_hTimItem);
    }

    rebuildKind(kCyclicHandler, m_hCycUseItem, m_hCycItem, conf.m_cyc.GetUse(), conf.m_cyc.m_nCycNum,
                [&](int id) { return summary::CycLine(conf.m_cyc, id, label); });

    m_bTreeRebuilding = false;
    FitTreeColumn();
    m_wndTree->setUpdatesEnabled(true);
}

// The one column is as wide as the longest shown line, so long lines scroll sideways instead of being cut,
// and every row as high as the tallest, so that no glyph of a fallback font is cut either.
// The lines are measured here rather than by the tree: the tree would lay out its rows first, and when it
// opens several items in one go ("*") and reports each on the way, a layout forced after the first report
// leaves the later ones unplaced and the column fitted to the first.
void CQuorvaneConfiguratorView::FitTreeColumn()
{
    if (m_bTreeRebuilding) return;
    auto* lines = dynamic_cast<LineSizeDelegate*>(m_wndTree->itemDelegate());
    if (lines == nullptr) return;
    QStyleOptionViewItem option = LineSizeDelegate::TreeOption(m_wndTree);
    const int indent = m_wndTree->indentation();
    const int outer = m_wndTree->rootIsDecorated() ? 1 : 0;
    int widest = 0;
    int tallest = 0;
    std::vector<std::pair<const QTreeWidgetItem*, int>> shown;  // item and its depth, depth first
    for (int i = m_wndTree->topLevelItemCount() - 1; i >= 0; --i) shown.emplace_back(m_wndTree->topLevelItem(i), 0);
    while (!shown.empty()) {
        const auto [item, depth] = shown.back();
        shown.pop_back();
        if (item->isHidden()) continue;
        const QSize line = lines->LineSize(option, item->text(0));
        widest = std::max(widest, (depth + outer) * indent + line.width());
        tallest = std::max(tallest, line.height());
        if (!item->isExpanded()) continue;
        for (int i = item->childCount() - 1; i >= 0; --i) shown.emplace_back(item->child(i), depth + 1);
    }
    m_wndTree->setColumnWidth(0, widest);
    lines->SetRowHeight(tallest);
}

void CQuorvaneConfiguratorView::ClearTree()
{
    m_wndTree->setUpdatesEnabled(false);
    DropSummarySelection();
    for (QTreeWidgetItem* category : m_hCategoryItem) DeleteChildItems(category);
    FitTreeColumn();
    m_wndTree->setUpdatesEnabled(true);
    ResetTreeItemTables();
}

void CQuorvaneConfiguratorView::ResetTreeItemTables()
{
    for (auto& h : m_hConfItem) h = nullptr;
    for (auto& h : m_hCpuItem) h = nullptr;
    for (auto& h : m_hTskItem) h = nullptr;
    m_hFlgUseItem = m_hSemUseItem = m_hDtqUseItem = m_hTimItem = m_hCycUseItem = nullptr;
    for (auto& h : m_hFlgItem) h = nullptr;
    for (auto& h : m_hSemItem) h = nullptr;
    for (auto& h : m_hDtqItem) h = nullptr;
    for (auto& h : m_hCycItem) h = nullptr;
}

void CQuorvaneConfiguratorView::DeleteChildItems(QTreeWidgetItem* item)
{
    if (item == nullptr) return;
    while (item->childCount() > 0) delete item->takeChild(0);
}

int CQuorvaneConfiguratorView::IsTreeItemExpanded(QTreeWidgetItem* item) const
{
    return (item != nullptr && item->isExpanded()) ? 1 : 0;
}

void CQuorvaneConfiguratorView::ExpandTreeItem(int flag, QTreeWidgetItem* item)
{
    if (flag == 1 && item != nullptr) item->setExpanded(true);
}
