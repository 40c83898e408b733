// The event-flag panel: a setting panel of the form view; its controls come with its own work.
#pragma once

#include "panels/setting_panel.h"

class CQuorvaneConfiguratorView;

class CCtl_SDlg_event : public CSettingPanel {
    Q_OBJECT
public:
    explicit CCtl_SDlg_event(CQuorvaneConfiguratorView* view);
    ~CCtl_SDlg_event() override;

    // Shows the current configuration.
    void RefreshPanel();
};
