// The event-flag panel.
#include "panels/CCtl_SDlg_event.h"

#include "conf_info.h"
#include "dialogs/CCDlg_evtset.h"
#include "entry_list_rows.h"
#include "ui_text.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

}  // namespace

CCtl_SDlg_event::CCtl_SDlg_event(CQuorvaneConfiguratorView* view)
    : CSwitchableListPanel(view, Kind{1305, {{3203, 95}, {3204, 95}, {3002, 95}}, false},
                           Header{1303, 3201, 1302, 3202, 1304})
{
}

CCtl_SDlg_event::~CCtl_SDlg_event() = default;

void CCtl_SDlg_event::SetListItem(int row, int attr, int userSet)
{
    SetRowTexts(row, userSet, entrylist::EventFlagColumns(attr, Label));
}

void CCtl_SDlg_event::FillListRow(int row, int id)
{
    const CCData_conf_info_flg& flg = Conf().m_flg;
    SetListItem(row, flg.m_nFlgAttr[id - 1], flg.m_nFlgSet[id - 1]);
}

std::unique_ptr<CEntryEditDialog> CCtl_SDlg_event::CreateEditDialog(int id)
{
    return std::make_unique<CCDlg_evtset>(this, id, Conf().m_flg.m_nFlgAttr[id - 1]);
}

void CCtl_SDlg_event::StoreEditDialog(int id, const CEntryEditDialog& dialog)
{
    // The event-flag record has no setter: attribute and user-set flag are written directly.
    CCData_conf_info_flg& flg = Conf().m_flg;
    flg.m_nFlgAttr[id - 1] = static_cast<const CCDlg_evtset&>(dialog).GetAttr();
    flg.m_nFlgSet[id - 1] = 1;
}

CCData_conf_info_base& CCtl_SDlg_event::KindRecord() const { return Conf().m_flg; }

int& CCtl_SDlg_event::CountField() const { return Conf().m_flg.m_nFlgNum; }
