// The data-queue panel.
#include "panels/CCtl_SDlg_datq.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_datq::CCtl_SDlg_datq(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_datq::~CCtl_SDlg_datq() = default;

bool CCtl_SDlg_datq::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_datq::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_datq::RefreshPanel() {}

void CCtl_SDlg_datq::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
