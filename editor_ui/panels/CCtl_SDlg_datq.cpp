// The data-queue panel.
#include "panels/CCtl_SDlg_datq.h"

#include "conf_info.h"
#include "dialogs/CCDlg_dtqset.h"
#include "entry_list_rows.h"
#include "ui_text.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

}  // namespace

// The data counts size the queues' buffers, so a stored edit recomputes the memory-size estimate.
CCtl_SDlg_datq::CCtl_SDlg_datq(CQuorvaneConfiguratorView* view)
    : CSwitchableListPanel(view, Kind{1505, {{3306, 95}, {3002, 95}}, true}, Header{1502, 3304, 1503, 3305, 1504})
{
}

CCtl_SDlg_datq::~CCtl_SDlg_datq() = default;

void CCtl_SDlg_datq::SetListItem(int row, int attr, int dataCount, int userSet)
{
    SetRowTexts(row, userSet, entrylist::DataQueueColumns(attr, dataCount, Label));
}

void CCtl_SDlg_datq::FillListRow(int row, int id)
{
    const CCData_conf_info_dtq& dtq = Conf().m_dtq;
    SetListItem(row, dtq.m_nDtqAttr[id - 1], dtq.m_nDtqCnt[id - 1], dtq.m_nDtqSet[id - 1]);
}

std::unique_ptr<CEntryEditDialog> CCtl_SDlg_datq::CreateEditDialog(int id)
{
    const CCData_conf_info_dtq& dtq = Conf().m_dtq;
    return std::make_unique<CCDlg_dtqset>(this, id, dtq.m_nDtqCnt[id - 1], dtq.m_nDtqAttr[id - 1]);
}

void CCtl_SDlg_datq::StoreEditDialog(int id, const CEntryEditDialog& dialog)
{
    const auto& edited = static_cast<const CCDlg_dtqset&>(dialog);
    Conf().m_dtq.SetDtqData(id, edited.GetAttr(), edited.GetNum());
}

CCData_conf_info_base& CCtl_SDlg_datq::KindRecord() const { return Conf().m_dtq; }

int& CCtl_SDlg_datq::CountField() const { return Conf().m_dtq.m_nDtqNum; }
