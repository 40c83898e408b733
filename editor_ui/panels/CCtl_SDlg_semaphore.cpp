// The semaphore panel.
#include "panels/CCtl_SDlg_semaphore.h"

#include "conf_info.h"
#include "dialogs/CCDlg_semset.h"
#include "entry_list_rows.h"
#include "ui_text.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

}  // namespace

// An initial count does not enter the memory-size estimate.
CCtl_SDlg_semaphore::CCtl_SDlg_semaphore(CQuorvaneConfiguratorView* view)
    : CSwitchableListPanel(view, Kind{1404, {{3303, 115}, {3002, 95}}, false},
                           Header{1402, 3301, 1405, 3302, 1403})
{
}

CCtl_SDlg_semaphore::~CCtl_SDlg_semaphore() = default;

void CCtl_SDlg_semaphore::SetListItem(int row, int attr, int initCount, int userSet)
{
    SetRowTexts(row, userSet, entrylist::SemaphoreColumns(attr, initCount, Label));
}

void CCtl_SDlg_semaphore::FillListRow(int row, int id)
{
    const CCData_conf_info_sem& sem = Conf().m_sem;
    SetListItem(row, sem.m_nSemAttr[id - 1], sem.m_nSemCnt[id - 1], sem.m_nSemSet[id - 1]);
}

std::unique_ptr<CEntryEditDialog> CCtl_SDlg_semaphore::CreateEditDialog(int id)
{
    const CCData_conf_info_sem& sem = Conf().m_sem;
    return std::make_unique<CCDlg_semset>(this, id, sem.m_nSemAttr[id - 1], sem.m_nSemCnt[id - 1]);
}

void CCtl_SDlg_semaphore::StoreEditDialog(int id, const CEntryEditDialog& dialog)
{
    const auto& edited = static_cast<const CCDlg_semset&>(dialog);
    Conf().m_sem.SetSemData(id, edited.GetAttr(), edited.GetNum());
}

CCData_conf_info_base& CCtl_SDlg_semaphore::KindRecord() const { return Conf().m_sem; }

int& CCtl_SDlg_semaphore::CountField() const { return Conf().m_sem.m_nSemNum; }
