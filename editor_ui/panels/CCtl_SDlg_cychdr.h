// The cyclic-handler panel: cyclic handlers switched on or off (only while the system time is used), their
// number, and one row per handler with its function, cycle time and start attribute, edited in
// CCDlg_cycset. The system-time panel also switches this panel's use check box, count list and list.
#pragma once

#include <string>

#include "panels/CSwitchableListPanel.h"

class CQuorvaneConfiguratorView;
class QLabel;

class CCtl_SDlg_cychdr : public CSwitchableListPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_cychdr(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_cychdr() override;

    void SetListItem(int row, int id, int attr, const std::string& func, int cycleTime, int userSet);

    // The second label over the check box's text (1086): it keeps the text readable while the box is grey.
    QLabel* UseLabel() const { return m_lblUse; }

protected:
    QList<QWidget*> CreateHeader(QWidget* header) override;
    bool OnInitDialog() override;
    void FillListRow(int row, int id) override;
    std::unique_ptr<CEntryEditDialog> CreateEditDialog(int id) override;
    void StoreEditDialog(int id, const CEntryEditDialog& dialog) override;
    CCData_conf_info_base& KindRecord() const override;
    int& CountField() const override;
    bool IsUseAvailable() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceUseLabel();

    QLabel* m_lblUse = nullptr;  // 1086
};
