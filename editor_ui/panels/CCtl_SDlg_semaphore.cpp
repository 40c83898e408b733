// The semaphore panel.
#include "panels/CCtl_SDlg_semaphore.h"

CCtl_SDlg_semaphore::CCtl_SDlg_semaphore(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_semaphore::~CCtl_SDlg_semaphore() = default;

void CCtl_SDlg_semaphore::RefreshPanel() {}
