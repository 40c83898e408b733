// The base of the nine setting panels.
#include "panels/setting_panel.h"

#include <QKeyEvent>

#include "panels/panel_common.h"

CSettingPanel::CSettingPanel(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CSettingPanel::~CSettingPanel() = default;

bool CSettingPanel::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    CreateControls();
    return OnInitDialog();
}

bool CSettingPanel::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CSettingPanel::keyPressEvent(QKeyEvent* event)
{
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
