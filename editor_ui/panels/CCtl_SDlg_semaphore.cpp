// The semaphore panel.
#include "panels/CCtl_SDlg_semaphore.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_semaphore::CCtl_SDlg_semaphore(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_semaphore::~CCtl_SDlg_semaphore() = default;

bool CCtl_SDlg_semaphore::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_semaphore::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_semaphore::RefreshPanel() {}

void CCtl_SDlg_semaphore::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
