// The task panel.
#include "panels/CCtl_SDlg_tsk.h"

CCtl_SDlg_tsk::CCtl_SDlg_tsk(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_tsk::~CCtl_SDlg_tsk() = default;

void CCtl_SDlg_tsk::RefreshPanel() {}
