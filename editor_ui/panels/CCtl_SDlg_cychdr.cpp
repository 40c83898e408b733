// The cyclic-handler panel.
#include "panels/CCtl_SDlg_cychdr.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_cychdr::CCtl_SDlg_cychdr(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_cychdr::~CCtl_SDlg_cychdr() = default;

bool CCtl_SDlg_cychdr::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_cychdr::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_cychdr::RefreshPanel() {}

void CCtl_SDlg_cychdr::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
