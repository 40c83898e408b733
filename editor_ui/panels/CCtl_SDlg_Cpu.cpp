// The CPU panel.
#include "panels/CCtl_SDlg_Cpu.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include "cpu_panel_lists.h"
#include "doc.h"
#include "panels/CCtl_SDlg_output.h"
#include "panels/panel_common.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

// Writes a list's contents. Qt selects the first item a list gets; the designed lists select only what the
// contents say, so the selection is always set afterwards.
void FillCombo(QComboBox* combo, const cpupanel::ComboContents& contents)
{
    combo->clear();
    for (const std::string& item : contents.items) combo->addItem(qvui::ToQ(item));
    combo->setCurrentIndex(contents.selected);
    if (contents.enabled) combo->setEnabled(*contents.enabled);
}

// Selects an item, or nothing when the index names none (as a list does with an index it does not have).
void SelectItem(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

CCtl_SDlg_Cpu::CCtl_SDlg_Cpu(CQuorvaneConfiguratorView* view) : CSettingPanel(view) {}

CCtl_SDlg_Cpu::~CCtl_SDlg_Cpu() = default;

void CCtl_SDlg_Cpu::CreateControls()
{
    QWidget* client = Client();
    m_lblMode = new QLabel(client);
    m_lblLevel = new QLabel(client);
    m_lblCpu = new QLabel(client);
    m_cmbMode = new QComboBox(client);
    m_cmbLevel = new QComboBox(client);
    m_cmbCpu = new QComboBox(client);
    for (QComboBox* combo : {m_cmbCpu, m_cmbMode, m_cmbLevel}) {
        combo->setEditable(false);
        // As wide as the longest item, so that every choice shows whole.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    auto* layout = new QFormLayout(client);
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    layout->addRow(m_lblCpu, m_cmbCpu);
    layout->addRow(m_lblMode, m_cmbMode);
    layout->addRow(m_lblLevel, m_cmbLevel);
    SetTabOrder({m_cmbCpu, m_cmbMode, m_cmbLevel});
    // Only the user's choice is a selection change; code that selects an item raises none.
    connect(m_cmbCpu, &QComboBox::activated, this, &CCtl_SDlg_Cpu::OnSelchangeCpu);
    connect(m_cmbMode, &QComboBox::activated, this, &CCtl_SDlg_Cpu::OnSelchangeMode);
    connect(m_cmbLevel, &QComboBox::activated, this, &CCtl_SDlg_Cpu::OnSelchangeMaskLevel);
}

bool CCtl_SDlg_Cpu::OnInitDialog()
{
    const int type = m_pView->GetDocument()->GetConfInfo().m_cpu.m_nCpuType;
    m_lblCpu->setText(LoadStr(3322));
    m_lblMode->setText(LoadStr(3323));
    m_lblLevel->setText(LoadStr(3324));
    m_cmbCpu->clear();
    for (const std::string& name : cpupanel::CpuNames(Label)) m_cmbCpu->addItem(qvui::ToQ(name));
    SetModeList(type);
    // The template's label width and list width (dialog units), unless the texts need more. A label's
    // least width holds its whole text: the layout never squeezes it below that, the panel scrolls instead.
    for (QLabel* label : {m_lblCpu, m_lblMode, m_lblLevel}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(qvui::TemplateSize(label, 65, 0).width());
    }
    for (QComboBox* combo : {m_cmbCpu, m_cmbMode, m_cmbLevel}) combo->setMinimumWidth(qvui::DialogUnitsX(combo, 150));
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_Cpu::SetModeList(int type)
{
    const int mode = m_pView->GetDocument()->GetConfInfo().m_cpu.m_nCpuMode;
    SelectItem(m_cmbCpu, type);
    const cpupanel::ComboContents modes = cpupanel::ModeList(type, mode, Label);
    FillCombo(m_cmbMode, modes);
    // A type outside the table only selects and empties.
    if (!modes.enabled) return;
    SetMaskLevelList(type, mode);
}

void CCtl_SDlg_Cpu::SetMaskLevelList(int type, int mode)
{
    CCData_conf_info& conf = m_pView->GetDocument()->GetConfInfo();
    if (cpupanel::HasModeChoice(type)) SelectItem(m_cmbMode, mode - 1);
    FillCombo(m_cmbLevel, cpupanel::LevelList(type, mode, conf.m_cpu.m_nMaskLevel, Label));
    cpupanel::ResetUnsetTaskStacks(conf);
}

void CCtl_SDlg_Cpu::SelectMaskLevel(int level)
{
    const std::optional<int> index = cpupanel::LevelItemIndex(m_cmbCpu->currentIndex(), level);
    if (index) SelectItem(m_cmbLevel, *index);
}

void CCtl_SDlg_Cpu::RefreshPanel()
{
    const CCData_conf_info_cpu& cpu = m_pView->GetDocument()->GetConfInfo().m_cpu;
    const int type = cpu.m_nCpuType;
    const int mode = cpu.m_nCpuMode;
    const int level = cpu.m_nMaskLevel;
    SetModeList(type);
    SetMaskLevelList(type, mode);
    SelectMaskLevel(level);
}

QString CCtl_SDlg_Cpu::ComboText(int controlId) const
{
    switch (controlId) {
    case 1105: return m_cmbCpu != nullptr ? m_cmbCpu->currentText() : QString();
    case 1106: return m_cmbMode != nullptr ? m_cmbMode->currentText() : QString();
    case 1107: return m_cmbLevel != nullptr ? m_cmbLevel->currentText() : QString();
    default: return QString();
    }
}

void CCtl_SDlg_Cpu::OnSelchangeCpu()
{
    const int type = m_cmbCpu->currentIndex();
    m_pView->GetDocument()->GetConfInfo().m_cpu.SetCpuType(type);
    SetModeList(type);
    m_pView->RefreshAll();
    if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->CalcMemorySize();
}

void CCtl_SDlg_Cpu::OnSelchangeMode()
{
    CCData_conf_info_cpu& cpu = m_pView->GetDocument()->GetConfInfo().m_cpu;
    const int type = cpu.m_nCpuType;
    int mode = m_cmbMode->currentIndex() + 1;
    if (cpupanel::IsRefusedMode(type, mode)) {
        qvui::MessageBox(window(), LoadStr(cpupanel::kRefusedModeMessageId), qvui::MB_OK);
        mode = cpupanel::kModeTakenInstead;
    }
    cpu.SetCpuMode(mode);
    SetMaskLevelList(type, mode);
    m_pView->RefreshAll();
    if (m_pView->OutputPanel() != nullptr) m_pView->OutputPanel()->CalcMemorySize();
}

void CCtl_SDlg_Cpu::OnSelchangeMaskLevel()
{
    CCData_conf_info_cpu& cpu = m_pView->GetDocument()->GetConfInfo().m_cpu;
    cpu.m_nMaskLevel = cpupanel::LevelFromItemIndex(cpu.m_nCpuType, m_cmbLevel->currentIndex());
    m_pView->RefreshAll();
}
