// The shared panel of the object kinds that can be switched off: use check box, count combo box, list.
#include "panels/CSwitchableListPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>

#include "conf_info.h"
#include "dialogs/CEntryEditDialog.h"
#include "entry_list_rows.h"
#include "panels/panel_common.h"
#include "ui_text.h"

CSwitchableListPanel::CSwitchableListPanel(CQuorvaneConfiguratorView* view, Kind kind, Header header)
    : CEntryListPanel(view, std::move(kind)), m_header(header)
{
}

CSwitchableListPanel::~CSwitchableListPanel() = default;

QList<QWidget*> CSwitchableListPanel::CreateHeader(QWidget* header)
{
    m_chkUse = new QCheckBox(header);
    qvui::SetControlId(m_chkUse, m_header.useId);
    m_lblNumber = new QLabel(header);
    qvui::SetControlId(m_lblNumber, m_header.labelId);
    m_cmbNumber = new QComboBox(header);
    qvui::SetControlId(m_cmbNumber, m_header.comboId);
    m_cmbNumber->setEditable(false);
    m_cmbNumber->setMinimumContentsLength(5);
    m_cmbNumber->setMaxVisibleItems(20);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_chkUse, 0, 0, 1, 2);
    grid->addWidget(m_lblNumber, 1, 0);
    grid->addWidget(m_cmbNumber, 1, 1);
    grid->setColumnStretch(2, 1);
    // Only the user's click or choice is a change; code that checks or selects raises none.
    connect(m_chkUse, &QCheckBox::clicked, this, &CSwitchableListPanel::OnClickedUse);
    connect(m_cmbNumber, &QComboBox::activated, this, &CSwitchableListPanel::OnSelchangeNumber);
    return {m_chkUse, m_cmbNumber};
}

bool CSwitchableListPanel::OnInitDialog()
{
    m_chkUse->setText(LoadStr(m_header.useText));
    m_lblNumber->setText(LoadStr(m_header.labelText));
    FillNumberCombo(m_cmbNumber, 1, entrylist::kMaxCount);
    SetUpList();
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CSwitchableListPanel::RefreshPanel()
{
    const int use = KindRecord().GetUse();
    const int count = CountField();
    const bool available = IsUseAvailable();
    m_chkUse->setEnabled(available);
    m_chkUse->setChecked(use == 1);
    const bool on = available && use == 1;
    m_cmbNumber->setEnabled(on);
    List()->setEnabled(on);
    m_cmbNumber->setCurrentIndex(count >= 1 && count <= m_cmbNumber->count() ? count - 1 : -1);
    // The rows are rebuilt whether or not the kind is used: a greyed list still shows them.
    SetListCount(count);
}

void CSwitchableListPanel::OnClickedUse()
{
    const bool checked = m_chkUse->isChecked();
    KindRecord().SetUse(checked ? 1 : 0);
    m_cmbNumber->setEnabled(checked);
    List()->setEnabled(checked);
    CalcMemorySize();
    RefreshView();
}

void CSwitchableListPanel::OnSelchangeNumber()
{
    const int count = m_cmbNumber->currentIndex() + 1;
    // Entries above the new count keep their values and come back when the count is raised again.
    CountField() = count;
    SetListCount(count);
    CalcMemorySize();
    RefreshView();
}
