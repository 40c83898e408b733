// The event-flag panel: event flags switched on or off, their number, and one row per event flag with its
// wait-release, clear and wait-queue attributes, edited in CCDlg_evtset.
#pragma once

#include "panels/CSwitchableListPanel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_event : public CSwitchableListPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_event(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_event() override;

    void SetListItem(int row, int attr, int userSet);

protected:
    void FillListRow(int row, int id) override;
    std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) override;
    void StoreEditDialog(int id, const CEntryEditDialog& dialog) override;
    CCData_conf_info_base& KindRecord() const override;
    int& CountField() const override;
};
