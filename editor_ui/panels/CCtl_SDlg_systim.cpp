// The system-time panel: the cyclic-time entry and its check.
#include "panels/CCtl_SDlg_systim.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "doc.h"
#include "panels/panel_common.h"
#include "text.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_systim::CCtl_SDlg_systim(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_systim::~CCtl_SDlg_systim() = default;

void CCtl_SDlg_systim::CreateControls()
{
    m_editCyclicTime = new QLineEdit(this);
    m_editCyclicTime->setAlignment(Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_editCyclicTime);
    layout->addStretch(1);
    layout->setAlignment(Qt::AlignTop);
    connect(m_editCyclicTime, &QLineEdit::textChanged, this, [this] { m_bInvalid = 0; });
}

bool CCtl_SDlg_systim::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_systim::RefreshPanel()
{
    if (m_pView == nullptr || m_pView->GetDocument() == nullptr) return;
    const int t = m_pView->GetDocument()->GetConfInfo().m_tim.m_nCyclicTime;
    m_editCyclicTime->setText(QString::number(t));
}

int CCtl_SDlg_systim::CheckCyclicTime()
{
    const std::string trimmed = mbtext::Trim(qvui::FromQ(m_editCyclicTime->text()));
    if (trimmed.empty()) {
        qvui::MessageBox(LoadStr(4013), qvui::MB_OK);
        m_editCyclicTime->setFocus(Qt::OtherFocusReason);
        return 0;
    }
    int value = 0;
    if (!mbtext::IsPlainDecimal(trimmed, value)) {
        m_bInvalid = 1;
        qvui::MessageBox(LoadStr(4014), qvui::MB_OK);
        m_editCyclicTime->setFocus(Qt::OtherFocusReason);
        return 0;
    }
    if (m_pView != nullptr && m_pView->GetDocument() != nullptr) {
        m_pView->GetDocument()->GetConfInfo().m_tim.m_nCyclicTime = value;
    }
    return 1;
}
