// The shared object-list panel: list set-up, rows, the double-click edit and the stretching of the list.
#include "panels/CEntryListPanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "dialogs/CEntryEditDialog.h"
#include "doc.h"
#include "entry_list_rows.h"
#include "panels/CCtl_SDlg_output.h"
#include "row_height.h"
#include "text.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

// Margins of the panel's own controls inside its frame.
constexpr int kMargin = 8;
constexpr int kGap = 6;

}  // namespace

CEntryListPanel::CEntryListPanel(CQuorvaneConfiguratorView* view, Kind kind)
    : CSettingPanel(view), m_kind(std::move(kind))
{
}

CEntryListPanel::~CEntryListPanel() = default;

void CEntryListPanel::CreateControls()
{
    m_wndHeader = new QWidget(Client());
    m_headerControls = CreateHeader(m_wndHeader);
    m_wndList = new QTreeWidget(Client());
    qvui::SetControlId(m_wndList, m_kind.listId);
    m_wndList->setRootIsDecorated(false);
    m_wndList->setItemsExpandable(false);
    m_wndList->setUniformRowHeights(true);
    m_wndList->setItemDelegate(new qvui::RowHeightDelegate(m_wndList));
    m_wndList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wndList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wndList->header()->setStretchLastSection(false);
    m_wndList->header()->setSectionsMovable(false);
    // The designed narrow columns ("!" and "ID" are 25 wide) are below the style's default minimum.
    m_wndList->header()->setMinimumSectionSize(10);
    // The dialog edits the selected row, whichever row the pointer is on. Activation is the platform's
    // form of the edit command: a double-click and Enter on a row both emit it (and a double-click emits
    // it once, after itemDoubleClicked, which is therefore not connected as well).
    connect(m_wndList, &QTreeWidget::itemActivated, this, [this] { OnDblclkList(); });
}

void CEntryListPanel::SetUpList()
{
    m_wndList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_wndList->setAllColumnsShowFocus(true);
    QStringList headers{LoadStr(3008), LoadStr(3001)};
    for (const Column& column : m_kind.columns) headers << LoadStr(column.headerText);
    m_wndList->setColumnCount(static_cast<int>(headers.size()));
    m_wndList->setHeaderLabels(headers);
    m_wndList->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    for (int c = 0; c < m_wndList->columnCount(); ++c) m_wndList->setColumnWidth(c, DesignedWidth(c));
    FitColumns();
    // The header's texts are set by now: the list starts below the header at its final height.
    m_wndHeader->setGeometry(kMargin, kMargin, m_wndHeader->sizeHint().width(), m_wndHeader->sizeHint().height());
    const int top = m_wndHeader->sizeHint().height() > 0 ? m_wndHeader->geometry().bottom() + 1 + kGap : kMargin;
    m_wndList->move(kMargin, top);
    // Below this the panel scrolls: the header whole, the list at its least size.
    const QSize list = m_wndList->minimumSizeHint();
    SetClientMinimumSize(QSize(std::max(kMargin + m_wndHeader->width() + kMargin, kMargin + list.width() + 20),
                               top + list.height() + 15));
    OnSize(Client()->width(), Client()->height());
    SetTabOrder(m_headerControls + QList<QWidget*>{m_wndList});
}

void CEntryListPanel::FillNumberCombo(QComboBox* combo, int first, int last)
{
    combo->clear();
    for (const std::string& item : entrylist::NumberItems(first, last)) combo->addItem(qvui::ToQ(item));
}

void CEntryListPanel::SetListCount(int count)
{
    m_wndList->clear();
    // The per-object tables have 127 slots; a larger count never reads past them.
    for (int id = std::min(count, entrylist::kMaxCount); id >= 1; --id) {
        auto* item = new QTreeWidgetItem;
        item->setTextAlignment(0, Qt::AlignCenter);
        m_wndList->insertTopLevelItem(0, item);
        item->setText(1, qvui::ToQ(mbtext::Format("%d", {id})));
        FillListRow(0, id);
    }
    FitColumns();
}

int CEntryListPanel::DesignedWidth(int column) const
{
    if (column < 2) return 25;
    const size_t own = static_cast<size_t>(column) - 2;
    return own < m_kind.columns.size() ? m_kind.columns[own].width : 0;
}

void CEntryListPanel::FitColumns()
{
    // A column is at least as wide as the list's own size hints for its header and cells ask (Qt's margins,
    // the text's fractional width rounded up) and as its designed width. Fitting only widens: a column the
    // user widened keeps its width. Measuring every cell on every refresh costs a frame; a column is measured
    // again only when it holds a text it was not measured with, in the list's current font, and only the
    // new texts' heights are measured.
    if (m_fit.font != m_wndList->font() || m_fit.columns.size() != static_cast<size_t>(m_wndList->columnCount())) {
        m_fit.font = m_wndList->font();
        m_fit.columns.assign(static_cast<size_t>(m_wndList->columnCount()), {});
    }
    const QHeaderView* header = m_wndList->header();
    const QAbstractItemView* view = m_wndList;
    // Qt elides a header label at its section less the style's header margin twice on each side, which for
    // some texts is more than the header's size hint.
    const int headerMargins = 4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int rowHeight = 0;
    for (int c = 0; c < m_wndList->columnCount(); ++c) {
        auto& column = m_fit.columns[static_cast<size_t>(c)];
        const int rows = m_wndList->topLevelItemCount();
        bool known = true;
        for (int r = 0; known && r < rows; ++r) known = column.texts.contains(m_wndList->topLevelItem(r)->text(c));
        if (!known) {
            // The set stays small: past a few thousand texts it starts again from the texts shown.
            if (column.texts.size() > 4096) column.texts.clear();
            for (int r = 0; r < rows; ++r) {
                const QString text = m_wndList->topLevelItem(r)->text(c);
                if (column.texts.contains(text)) continue;
                column.texts.insert(text);
                column.height = std::max(column.height, view->sizeHintForIndex(view->model()->index(r, c)).height());
            }
            column.hint = std::max(column.hint, view->sizeHintForColumn(c));
        }
        rowHeight = std::max(rowHeight, column.height);
        const int label = header->fontMetrics().horizontalAdvance(m_wndList->headerItem()->text(c)) + headerMargins;
        const int width = std::max({m_wndList->columnWidth(c), DesignedWidth(c), label, header->sectionSizeHint(c), column.hint});
        if (width != m_wndList->columnWidth(c)) m_wndList->setColumnWidth(c, width);
    }
    // Every row as high as the tallest cell: a name in a taller fallback font is not cut, nor its row's
    // other texts.
    static_cast<qvui::RowHeightDelegate*>(m_wndList->itemDelegate())->SetRowHeight(rowHeight);
}

void CEntryListPanel::SetRowTexts(int row, int userSet, const std::vector<std::string>& columns)
{
    QTreeWidgetItem* item = m_wndList->topLevelItem(row);
    if (item == nullptr) return;
    item->setText(0, qvui::ToQ(entrylist::UnsetMark(userSet)));
    for (size_t i = 0; i < columns.size(); ++i) item->setText(static_cast<int>(i) + 2, qvui::ToQ(columns[i]));
}

QString CEntryListPanel::CellText(int row, int column) const
{
    const QTreeWidgetItem* item = m_wndList->topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

void CEntryListPanel::OnDblclkList()
{
    const QList<QTreeWidgetItem*> selected = m_wndList->selectedItems();
    if (selected.isEmpty()) return;
    const int row = m_wndList->indexOfTopLevelItem(selected.first());
    if (row < 0) return;
    const int id = row + 1;
    std::unique_ptr<CEntryEditDialog> dialog = CreateEditDialog(id);
    if (dialog != nullptr && dialog->DoModal() != -1) {
        StoreEditDialog(id, *dialog);
        FillListRow(row, id);
        FitColumns();
        if (m_kind.recalcAfterEdit) CalcMemorySize();
    }
    dialog.reset();
    // Cancel stores nothing, but the view shows the configuration again all the same. The refresh rebuilt
    // the rows, so no row is selected or current; the keys stay with the list.
    RefreshView();
    m_wndList->setFocus(Qt::OtherFocusReason);
}

void CEntryListPanel::OnSize(int cx, int cy)
{
    if (m_wndList == nullptr) return;
    const QPoint topLeft = m_wndList->pos();
    m_wndList->resize(std::max(0, cx - topLeft.x() - 20), std::max(0, cy - topLeft.y() - 15));
}

CCData_conf_info& CEntryListPanel::Conf() const { return m_pView->GetDocument()->GetConfInfo(); }

void CEntryListPanel::RefreshView() const { m_pView->RefreshAll(); }

void CEntryListPanel::CalcMemorySize() const
{
    if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->CalcMemorySize();
}
