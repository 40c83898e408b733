// The configuration-files panel.
#include "panels/CCtl_SDlg_Proj.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_Proj::CCtl_SDlg_Proj(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_Proj::~CCtl_SDlg_Proj() = default;

bool CCtl_SDlg_Proj::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_Proj::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

// The path edits come with the panel's controls; until then every path is empty.
QString CCtl_SDlg_Proj::PathText(int controlId) const
{
    (void)controlId;
    return QString();
}

void CCtl_SDlg_Proj::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
