// The event-flag edit dialog.
#include "dialogs/CCDlg_evtset.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry_list_rows.h"

namespace {

QRadioButton* PairButton(QWidget* parent, QLayout* layout)
{
    auto* button = new QRadioButton(parent);
    button->setAutoExclusive(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

CCDlg_evtset::CCDlg_evtset(QWidget* parent, int id, int attr)
    : CEntryEditDialog(parent, id, Ids{2301, 2302, 801}), m_nAttr(attr)
{
    auto* wait = new QGroupBox(this);
    SetTextId(wait, 2303, 3203);
    auto* waitLayout = new QHBoxLayout(wait);
    m_btnOr = PairButton(wait, waitLayout);
    SetTextId(m_btnOr, 2307, 3208);
    m_btnAnd = PairButton(wait, waitLayout);
    SetTextId(m_btnAnd, 2306, 3207);

    auto* clear = new QGroupBox(this);
    SetTextId(clear, 2304, 3204);
    auto* clearLayout = new QHBoxLayout(clear);
    m_chkClear = new QCheckBox(clear);
    SetTextId(m_chkClear, 2308, 3006);
    clearLayout->addWidget(m_chkClear);

    auto* queue = new QGroupBox(this);
    SetTextId(queue, 2305, 3002);
    auto* queueLayout = new QHBoxLayout(queue);
    m_btnPri = PairButton(queue, queueLayout);
    SetTextId(m_btnPri, 2309, 3003);
    m_btnFifo = PairButton(queue, queueLayout);
    SetTextId(m_btnFifo, 2310, 3004);

    Body()->addWidget(wait);
    Body()->addWidget(clear);
    Body()->addWidget(queue);
    SetTabOrder({m_btnOr, m_btnAnd, m_chkClear, m_btnPri, m_btnFifo});
    AddRadioPair(m_btnOr, m_btnAnd);
    AddRadioPair(m_btnPri, m_btnFifo);
    connect(m_btnOr, &QRadioButton::clicked, this, &CCDlg_evtset::OnOr);
    connect(m_btnAnd, &QRadioButton::clicked, this, &CCDlg_evtset::OnAnd);
    connect(m_btnPri, &QRadioButton::clicked, this, &CCDlg_evtset::OnPri);
    connect(m_btnFifo, &QRadioButton::clicked, this, &CCDlg_evtset::OnFifo);
}

CCDlg_evtset::~CCDlg_evtset() = default;

bool CCDlg_evtset::OnInitDialog()
{
    CEntryEditDialog::OnInitDialog();
    if ((m_nAttr & 4) != 0) CheckPair(m_btnAnd, m_btnOr);
    else CheckPair(m_btnOr, m_btnAnd);
    m_chkClear->setChecked((m_nAttr & 2) != 0);
    if ((m_nAttr & 1) != 0) CheckPair(m_btnFifo, m_btnPri);
    else CheckPair(m_btnPri, m_btnFifo);
    return true;
}

void CCDlg_evtset::OnOK()
{
    m_nAttr = entrylist::EventFlagAttr(m_btnAnd->isChecked(), m_chkClear->isChecked(), m_btnFifo->isChecked());
    EndDialog(0);
}

void CCDlg_evtset::OnOr() { CheckPair(m_btnOr, m_btnAnd); }
void CCDlg_evtset::OnAnd() { CheckPair(m_btnAnd, m_btnOr); }
void CCDlg_evtset::OnPri() { CheckPair(m_btnPri, m_btnFifo); }
void CCDlg_evtset::OnFifo() { CheckPair(m_btnFifo, m_btnPri); }
