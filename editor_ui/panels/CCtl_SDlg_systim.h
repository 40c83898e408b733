// The system-time panel: a setting panel of the form view. Its cyclic-time entry is validated before the
// view leaves the panel; the rest of its controls come with its own work.
#pragma once

#include "panels/setting_panel.h"

class CQuorvaneConfiguratorView;
class QLineEdit;

class CCtl_SDlg_systim : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_systim(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_systim() override;

    void RefreshPanel();
    // Nonzero when the cyclic-time entry holds a plain decimal number (then stored); otherwise shows the
    // message, focuses the entry and returns 0.
    int CheckCyclicTime();

    int m_bInvalid = 0;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;

private:
    QLineEdit* m_editCyclicTime = nullptr;
};
