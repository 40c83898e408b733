// The data-queue panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include "panels/setting_panel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_datq : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_datq(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_datq() override;

    // Shows the current configuration.
    void RefreshPanel();
};
