// The system-time panel: the use check box, the cyclic-time edit with its red mark, and its check.
#include "panels/CCtl_SDlg_systim.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "doc.h"
#include "panels/CCtl_SDlg_cychdr.h"
#include "panels/CCtl_SDlg_output.h"
#include "panels/panel_common.h"
#include "system_time.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

CCtl_SDlg_systim::CCtl_SDlg_systim(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_systim::~CCtl_SDlg_systim() = default;

void CCtl_SDlg_systim::CreateControls()
{
    setObjectName(QStringLiteral("panel1701"));
    QWidget* client = Client();
    m_chkUse = new QCheckBox(client);
    m_chkUse->setObjectName(QStringLiteral("check1079"));
    m_lblCyclicTime = new QLabel(client);
    m_lblCyclicTime->setObjectName(QStringLiteral("label1080"));
    m_editCyclicTime = new QLineEdit(client);
    m_editCyclicTime->setObjectName(QStringLiteral("edit1081"));
    m_editCyclicTime->setAlignment(Qt::AlignRight);
    m_editCyclicTime->setMaximumWidth(m_editCyclicTime->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);

    auto* layout = new QGridLayout(client);
    layout->addWidget(m_chkUse, 0, 0, 1, 2);
    layout->addWidget(m_lblCyclicTime, 1, 0);
    layout->addWidget(m_editCyclicTime, 1, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
    SetTabOrder({m_chkUse, m_editCyclicTime});

    // Only the user's click is a click; code that sets the check raises none.
    connect(m_chkUse, &QCheckBox::clicked, this, &CCtl_SDlg_systim::OnClickedUse);
    // Every change of the text, also one made by code, clears the mark.
    connect(m_editCyclicTime, &QLineEdit::textChanged, this, &CCtl_SDlg_systim::OnUpdateCyclicTime);
    m_editCyclicTime->installEventFilter(this);
}

bool CCtl_SDlg_systim::OnInitDialog()
{
    m_chkUse->setText(LoadStr(3307));
    m_lblCyclicTime->setText(LoadStr(3308));
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

bool CCtl_SDlg_systim::eventFilter(QObject* watched, QEvent* event)
{
    // A menu or other pop-up opening does not take the focus from the edit.
    if (watched == m_editCyclicTime && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        OnKillfocusCyclicTime();
    }
    return CSettingPanel::eventFilter(watched, event);
}

void CCtl_SDlg_systim::EnableCycControls(bool systemTimeUsed)
{
    // The cyclic handlers need the system time: their use box (1082), count list (1084) and list (1085).
    const CCtl_SDlg_cychdr* cychdr = m_pView->CychdrPanel();
    if (cychdr == nullptr) return;
    QCheckBox* useBox = cychdr->UseCheck();
    QComboBox* count = cychdr->NumberCombo();
    QTreeWidget* list = cychdr->List();
    const systime::CycControls states =
        systime::CycControlsFor(systemTimeUsed, useBox != nullptr && useBox->isChecked());
    if (useBox != nullptr) useBox->setEnabled(states.useBoxEnabled);
    if (count != nullptr) count->setEnabled(states.countAndListEnabled);
    if (list != nullptr) list->setEnabled(states.countAndListEnabled);
}

void CCtl_SDlg_systim::RefreshPanel()
{
    const CCData_conf_info_tim& tim = m_pView->GetDocument()->GetConfInfo().m_tim;
    const bool used = tim.GetUse() == 1;
    m_chkUse->setChecked(used);
    m_editCyclicTime->setEnabled(used);
    EnableCycControls(used);
    m_editCyclicTime->setText(QString::number(tim.m_nCyclicTime));
    // The same text again raises no change; the rewrite clears the mark all the same.
    OnUpdateCyclicTime();
}

void CCtl_SDlg_systim::OnClickedUse()
{
    CCData_conf_info& conf = m_pView->GetDocument()->GetConfInfo();
    const bool used = m_chkUse->isChecked();
    m_editCyclicTime->setEnabled(used);
    conf.m_tim.SetUse(used ? 1 : 0);
    // Switching the system time on again leaves the cyclic handlers off.
    if (!used) conf.m_cyc.SetUse(0);
    EnableCycControls(used);
    if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->CalcMemorySize();
    m_pView->RefreshAll();
}

void CCtl_SDlg_systim::OnKillfocusCyclicTime()
{
    int value = 0;
    if (systime::CheckCyclicTimeText(qvui::FromQ(m_editCyclicTime->text()), value) != systime::CyclicTimeText::kNumber) {
        m_bInvalid = 1;
        OnCtlColor();
        return;
    }
    // The estimate does not depend on the cyclic time.
    m_pView->GetDocument()->GetConfInfo().m_tim.m_nCyclicTime = value;
    m_pView->RefreshAll();
}

void CCtl_SDlg_systim::OnUpdateCyclicTime()
{
    m_bInvalid = 0;
    OnCtlColor();
}

void CCtl_SDlg_systim::OnCtlColor()
{
    QPalette palette = QApplication::palette(m_editCyclicTime);
    if (m_bInvalid == 1) palette.setColor(QPalette::Text, m_pView->m_crRed);
    m_editCyclicTime->setPalette(palette);
}

int CCtl_SDlg_systim::CheckCyclicTime()
{
    int value = 0;
    switch (systime::CheckCyclicTimeText(qvui::FromQ(m_editCyclicTime->text()), value)) {
    case systime::CyclicTimeText::kEmpty:
        qvui::MessageBox(window(), LoadStr(systime::kEmptyMessageId), qvui::MB_OK);
        m_editCyclicTime->setFocus(Qt::OtherFocusReason);
        return 0;
    case systime::CyclicTimeText::kNotNumber:
        m_bInvalid = 1;
        OnCtlColor();
        qvui::MessageBox(window(), LoadStr(systime::kInvalidMessageId), qvui::MB_OK);
        m_editCyclicTime->setFocus(Qt::OtherFocusReason);
        return 0;
    case systime::CyclicTimeText::kNumber:
        break;
    }
    m_pView->GetDocument()->GetConfInfo().m_tim.m_nCyclicTime = value;
    return 1;
}
