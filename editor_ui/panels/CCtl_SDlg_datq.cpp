// The data-queue panel.
#include "panels/CCtl_SDlg_datq.h"

CCtl_SDlg_datq::CCtl_SDlg_datq(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_datq::~CCtl_SDlg_datq() = default;

void CCtl_SDlg_datq::RefreshPanel() {}
