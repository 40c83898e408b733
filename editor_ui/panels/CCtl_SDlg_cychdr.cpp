// The cyclic-handler panel.
#include "panels/CCtl_SDlg_cychdr.h"

CCtl_SDlg_cychdr::CCtl_SDlg_cychdr(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_cychdr::~CCtl_SDlg_cychdr() = default;

void CCtl_SDlg_cychdr::RefreshPanel() {}
