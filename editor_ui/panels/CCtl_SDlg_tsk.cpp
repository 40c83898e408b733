// The task panel.
#include "panels/CCtl_SDlg_tsk.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_tsk::CCtl_SDlg_tsk(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_tsk::~CCtl_SDlg_tsk() = default;

bool CCtl_SDlg_tsk::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_tsk::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_tsk::RefreshPanel() {}

void CCtl_SDlg_tsk::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
