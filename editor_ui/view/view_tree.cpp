// The navigation tree of the view: the fixed root and categories, the item tables, and the refresh of the
// object panels. The summary lines under the categories come with the tree's own work.
#include <QTreeWidget>

#include "panels/CCtl_SDlg_Cpu.h"
#include "panels/CCtl_SDlg_cychdr.h"
#include "panels/CCtl_SDlg_datq.h"
#include "panels/CCtl_SDlg_event.h"
#include "panels/CCtl_SDlg_semaphore.h"
#include "panels/CCtl_SDlg_systim.h"
#include "panels/CCtl_SDlg_tsk.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

void CQuorvaneConfiguratorView::BuildTree()
{
    setUpdatesEnabled(false);
    m_wndTree->clear();
    m_hRootItem = new QTreeWidgetItem(m_wndTree, QStringList(LoadStr(351)));
    for (int i = 0; i < kCategoryCount; ++i) {
        m_hCategoryItem[i] = new QTreeWidgetItem(m_hRootItem, QStringList(LoadStr(352 + i)));
    }
    m_hRootItem->setExpanded(true);
    setUpdatesEnabled(true);
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

// The summary lines come with the tree's own work.
void CQuorvaneConfiguratorView::UpdateTree() {}

void CQuorvaneConfiguratorView::ClearTree()
{
    setUpdatesEnabled(false);
    for (QTreeWidgetItem* category : m_hCategoryItem) DeleteChildItems(category);
    setUpdatesEnabled(true);
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
