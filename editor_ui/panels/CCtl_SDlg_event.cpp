// The event-flag panel.
#include "panels/CCtl_SDlg_event.h"

CCtl_SDlg_event::CCtl_SDlg_event(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_event::~CCtl_SDlg_event() = default;

void CCtl_SDlg_event::RefreshPanel() {}
