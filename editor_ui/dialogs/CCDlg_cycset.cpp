// The cyclic-handler edit dialog.
#include "dialogs/CCDlg_cycset.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "cyc_entries.h"
#include "ui_dialogs.h"
#include "ui_text.h"

CCDlg_cycset::CCDlg_cycset(QWidget* parent, int id, const std::string& func, int cycleTime, int attr)
    : CEntryEditDialog(parent, id, Ids{2403, 1088, 1087}), m_strFunc(func), m_nCycleTime(cycleTime), m_nAttr(attr)
{
    m_editFunc = new QLineEdit(this);
    qvui::SetControlId(m_editFunc, 1092);
    m_editTime = new QLineEdit(this);
    qvui::SetControlId(m_editTime, 1093);
    m_cmbAttr = new QComboBox(this);
    qvui::SetControlId(m_cmbAttr, 1094);
    m_cmbAttr->setEditable(false);

    auto* form = new QFormLayout;
    form->addRow(AddLabel(1089, 3309), m_editFunc);
    form->addRow(AddLabel(1091, 3310), m_editTime);
    form->addRow(AddLabel(1090, 3311), m_cmbAttr);
    Body()->addLayout(form);
    SetTabOrder({m_editFunc, m_editTime, m_cmbAttr});
}

CCDlg_cycset::~CCDlg_cycset() = default;

bool CCDlg_cycset::OnInitDialog()
{
    CEntryEditDialog::OnInitDialog();
    m_editFunc->setText(qvui::ToQ(m_strFunc));
    m_editTime->setText(qvui::ToQ(cycpanel::CycleTimeText(m_nCycleTime)));
    m_cmbAttr->clear();
    m_cmbAttr->addItem(LoadStr(3312));
    m_cmbAttr->addItem(LoadStr(3313));
    m_cmbAttr->setCurrentIndex(cycpanel::AttrItemIndex(m_nAttr));
    return true;
}

void CCDlg_cycset::OnOK()
{
    const cycpanel::CycCheck check =
        cycpanel::CheckCycInput(qvui::FromQ(m_editFunc->text()), qvui::FromQ(m_editTime->text()),
                                m_cmbAttr->currentIndex());
    if (check.messageId != 0) {
        // The dialog stays open with the user's text as typed.
        qvui::MessageBox(this, LoadStr(check.messageId), qvui::MB_OK);
        return;
    }
    m_strFunc = check.func;
    m_nCycleTime = check.cycleTime;
    m_nAttr = check.attr;
    EndDialog(0);
}
