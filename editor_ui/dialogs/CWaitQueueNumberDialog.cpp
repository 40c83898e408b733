// The shared semaphore and data-queue edit dialog.
#include "dialogs/CWaitQueueNumberDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry_list_rows.h"
#include "ui_text.h"

CWaitQueueNumberDialog::CWaitQueueNumberDialog(QWidget* parent, int id, int attr, int number, const Layout& layout)
    : CEntryEditDialog(parent, id, layout.ids), m_nItems(layout.numberItems), m_nAttr(attr), m_nNum(number)
{
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(AddLabel(layout.numberLabelId, layout.numberLabelText));
    m_cmbNumber = new QComboBox(this);
    qvui::SetControlId(m_cmbNumber, layout.numberComboId);
    m_cmbNumber->setEditable(false);
    m_cmbNumber->setMaxVisibleItems(20);
    numberRow->addWidget(m_cmbNumber);
    Body()->addLayout(numberRow);

    auto* queue = new QGroupBox(this);
    SetTextId(queue, layout.groupId, 3002);
    auto* queueLayout = new QHBoxLayout(queue);
    m_btnPri = new QRadioButton(queue);
    SetTextId(m_btnPri, layout.priId, 3003);
    m_btnFifo = new QRadioButton(queue);
    SetTextId(m_btnFifo, layout.fifoId, 3004);
    for (QRadioButton* button : {m_btnPri, m_btnFifo}) {
        button->setAutoExclusive(false);
        queueLayout->addWidget(button);
    }
    Body()->addWidget(queue);
    SetTabOrder({m_cmbNumber, m_btnPri, m_btnFifo});
    AddRadioPair(m_btnPri, m_btnFifo);
    connect(m_btnPri, &QRadioButton::clicked, this, &CWaitQueueNumberDialog::OnPri);
    connect(m_btnFifo, &QRadioButton::clicked, this, &CWaitQueueNumberDialog::OnFifo);
}

CWaitQueueNumberDialog::~CWaitQueueNumberDialog() = default;

bool CWaitQueueNumberDialog::OnInitDialog()
{
    CEntryEditDialog::OnInitDialog();
    if ((m_nAttr & 1) != 0) CheckPair(m_btnFifo, m_btnPri);
    else CheckPair(m_btnPri, m_btnFifo);
    m_cmbNumber->clear();
    for (const std::string& item : entrylist::NumberItems(0, m_nItems - 1)) m_cmbNumber->addItem(qvui::ToQ(item));
    // A number the list does not hold selects nothing.
    m_cmbNumber->setCurrentIndex(m_nNum >= 0 && m_nNum < m_nItems ? m_nNum : -1);
    return true;
}

void CWaitQueueNumberDialog::OnOK()
{
    m_nNum = entrylist::SelectedNumber(m_cmbNumber->currentIndex(), m_cmbNumber->count(), m_nNum);
    m_nAttr = m_btnFifo->isChecked() ? 1 : 0;
    EndDialog(0);
}

void CWaitQueueNumberDialog::OnPri() { CheckPair(m_btnPri, m_btnFifo); }

void CWaitQueueNumberDialog::OnFifo() { CheckPair(m_btnFifo, m_btnPri); }
