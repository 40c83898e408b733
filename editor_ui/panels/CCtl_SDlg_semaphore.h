// The semaphore panel: semaphores switched on or off, their number, and one row per semaphore with its
// initial count and wait-queue order, edited in CCDlg_semset.
#pragma once

#include "panels/CSwitchableListPanel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_semaphore : public CSwitchableListPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_semaphore(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_semaphore() override;

    void SetListItem(int row, int attr, int initCount, int userSet);

protected:
    void FillListRow(int row, int id) override;
    std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) override;
    void StoreEditDialog(int id, const CEntryEditDialog& dialog) override;
    CCData_conf_info_base& KindRecord() const override;
    int& CountField() const override;
};
