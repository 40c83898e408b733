// The CPU and kernel-mask panel.
#include "panels/CCtl_SDlg_Cpu.h"

#include <QKeyEvent>

#include "panels/panel_common.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_Cpu::CCtl_SDlg_Cpu(CQuorvaneConfiguratorView* view) : m_pView(view) {}

CCtl_SDlg_Cpu::~CCtl_SDlg_Cpu() = default;

bool CCtl_SDlg_Cpu::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    return OnInitDialog();
}

bool CCtl_SDlg_Cpu::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_Cpu::RefreshPanel() {}

// The combo boxes come with the panel's controls; until then every text is empty.
QString CCtl_SDlg_Cpu::ComboText(int controlId) const
{
    (void)controlId;
    return QString();
}

void CCtl_SDlg_Cpu::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing and Esc reaches OnCancel, which does nothing either.
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
