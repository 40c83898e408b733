// The task edit dialog.
#include "dialogs/CCDlg_tskset.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "task_entries.h"
#include "text.h"
#include "ui_dialogs.h"
#include "ui_text.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

}  // namespace

CCDlg_tskset::CCDlg_tskset(QWidget* parent, int id, int priTaskCount, const std::string& func, int state,
                           int stackSize, int minStackSize, int cpuType, int stackAlign)
    : CEntryEditDialog(parent, id, Ids{2201, 2202, 2207}),
      m_nPriTaskCount(priTaskCount),
      m_strFunc(func),
      m_nInitState(state),
      m_nStackSize(stackSize),
      m_nMinStackSize(minStackSize),
      m_nCpuType(cpuType),
      m_nStackAlign(stackAlign)
{
    m_editType = new QLineEdit(this);
    qvui::SetControlId(m_editType, 2208);
    m_editType->setReadOnly(true);
    m_editType->setFocusPolicy(Qt::NoFocus);
    m_editFunc = new QLineEdit(this);
    qvui::SetControlId(m_editFunc, 2209);
    m_cmbState = new QComboBox(this);
    qvui::SetControlId(m_cmbState, 2210);
    m_cmbState->setEditable(false);
    m_editStack = new QLineEdit(this);
    qvui::SetControlId(m_editStack, 2211);

    auto* form = new QFormLayout;
    form->addRow(AddLabel(2203, 3007), m_editType);
    form->addRow(AddLabel(2204, 3107), m_editFunc);
    form->addRow(AddLabel(2205, 3101), m_cmbState);
    form->addRow(AddLabel(2206, 3106), m_editStack);
    Body()->addLayout(form);
    SetTabOrder({m_editFunc, m_cmbState, m_editStack});
}

CCDlg_tskset::~CCDlg_tskset() = default;

bool CCDlg_tskset::OnInitDialog()
{
    CEntryEditDialog::OnInitDialog();
    m_editType->setText(qvui::ToQ(taskpanel::TypeText(m_nId, m_nPriTaskCount, Label)));
    m_editFunc->setText(qvui::ToQ(m_strFunc));
    m_editStack->setText(qvui::ToQ(mbtext::Format("%d", {m_nStackSize})));
    m_cmbState->clear();
    m_cmbState->addItem(LoadStr(3102));
    m_cmbState->addItem(LoadStr(3103));
    m_cmbState->setCurrentIndex(taskpanel::StateItemIndex(m_nCpuType, m_nInitState));
    m_cmbState->setEnabled(taskpanel::IsStateChoiceEnabled(m_nCpuType));
    return true;
}

void CCDlg_tskset::OnOK()
{
    const taskpanel::TaskCheck check =
        taskpanel::CheckTaskInput(qvui::FromQ(m_editFunc->text()), qvui::FromQ(m_editStack->text()),
                                  m_cmbState->currentIndex(), m_nMinStackSize, m_nStackAlign);
    if (check.messageId != 0) {
        // The dialog stays open with the user's text as typed.
        qvui::MessageBox(this, qvui::ToQ(taskpanel::CheckMessage(check, Label)), qvui::MB_OK);
        return;
    }
    m_strFunc = check.func;
    m_nStackSize = check.stackSize;
    m_nInitState = check.state;
    EndDialog(0);
}
