// The data-queue panel: data queues switched on or off, their number, and one row per queue with its data
// count and wait-queue order, edited in CCDlg_dtqset.
#pragma once

#include "panels/CSwitchableListPanel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_datq : public CSwitchableListPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_datq(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_datq() override;

    void SetListItem(int row, int attr, int dataCount, int userSet);

protected:
    void FillListRow(int row, int id) override;
    std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) override;
    void StoreEditDialog(int id, const CEntryEditDialog& dialog) override;
    CCData_conf_info_base& KindRecord() const override;
    int& CountField() const override;
};
