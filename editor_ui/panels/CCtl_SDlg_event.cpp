// The event-flag panel.
#include "panels/CCtl_SDlg_event.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_event::CCtl_SDlg_event(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_event::~CCtl_SDlg_event() = default;

bool CCtl_SDlg_event::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_event::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_event::RefreshPanel() {}

void CCtl_SDlg_event::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
