// The semaphore panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include "panels/setting_panel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_semaphore : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_semaphore(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_semaphore() override;

    // Shows the current configuration.
    void RefreshPanel();
};
