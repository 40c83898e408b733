// The task panel.
#include "panels/CCtl_SDlg_tsk.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "conf_info.h"
#include "dialogs/CCDlg_tskset.h"
#include "entry_list_rows.h"
#include "panels/panel_common.h"
#include "task_entries.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

CEntryListPanel::Kind TaskKind()
{
    CEntryListPanel::Kind kind{1208, {}, false};
    for (const taskpanel::Column& c : taskpanel::Columns()) kind.columns.push_back({c.headerId, c.width});
    return kind;
}

}  // namespace

CCtl_SDlg_tsk::CCtl_SDlg_tsk(CQuorvaneConfiguratorView* view) : CEntryListPanel(view, TaskKind()) {}

CCtl_SDlg_tsk::~CCtl_SDlg_tsk() = default;

QList<QWidget*> CCtl_SDlg_tsk::CreateHeader(QWidget* header)
{
    m_lblNumber = new QLabel(header);
    qvui::SetControlId(m_lblNumber, 1202);
    m_lblPriNumber = new QLabel(header);
    qvui::SetControlId(m_lblPriNumber, 1203);
    m_cmbPriNumber = new QComboBox(header);
    qvui::SetControlId(m_cmbPriNumber, 1206);
    m_cmbNumber = new QComboBox(header);
    qvui::SetControlId(m_cmbNumber, 1207);
    for (QComboBox* combo : {m_cmbNumber, m_cmbPriNumber}) {
        combo->setEditable(false);
        combo->setMinimumContentsLength(5);
        combo->setMaxVisibleItems(20);
    }
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_lblNumber, 0, 0);
    grid->addWidget(m_cmbNumber, 0, 1);
    grid->addWidget(m_lblPriNumber, 1, 0);
    grid->addWidget(m_cmbPriNumber, 1, 1);
    grid->setColumnStretch(2, 1);
    // Only the user's choice is a change; code that selects raises none.
    connect(m_cmbNumber, &QComboBox::activated, this, &CCtl_SDlg_tsk::OnSelchangeNumber);
    connect(m_cmbPriNumber, &QComboBox::activated, this, &CCtl_SDlg_tsk::OnSelchangePriNumber);
    return {m_cmbNumber, m_cmbPriNumber};
}

bool CCtl_SDlg_tsk::OnInitDialog()
{
    m_lblNumber->setText(LoadStr(3108));
    m_lblPriNumber->setText(LoadStr(3109));
    FillNumberCombo(m_cmbNumber, 1, entrylist::kMaxCount);
    SetUpList();
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CCtl_SDlg_tsk::RefreshPanel()
{
    CCData_conf_info& conf = Conf();
    const int count = conf.m_tsk.m_nTskNum;
    m_cmbNumber->setCurrentIndex(count >= 1 && count <= m_cmbNumber->count() ? count - 1 : -1);
    taskpanel::ClearSleepOnReadyOnlyCpu(conf);
    SetPriNumberList(count);
    SetListCount(count);
}

void CCtl_SDlg_tsk::SetPriNumberList(int taskCount)
{
    CCData_conf_info_tsk& tsk = Conf().m_tsk;
    FillNumberCombo(m_cmbPriNumber, 0, taskCount);
    tsk.m_nTskPriNum = taskpanel::ClampedPriTaskCount(taskCount, tsk.m_nTskPriNum);
    const int pri = tsk.m_nTskPriNum;
    m_cmbPriNumber->setCurrentIndex(pri >= 0 && pri < m_cmbPriNumber->count() ? pri : -1);
}

void CCtl_SDlg_tsk::SetListItem(int row, int id, int state, int stackSize, const std::string& func, int userSet)
{
    SetRowTexts(row, userSet, taskpanel::RowTexts(id, Conf().m_tsk.m_nTskPriNum, state, stackSize, func, Label));
}

void CCtl_SDlg_tsk::FillListRow(int row, int id)
{
    const CCData_conf_info_tsk& tsk = Conf().m_tsk;
    SetListItem(row, id, tsk.m_nTskState[id - 1], tsk.m_nStackSize[id - 1], tsk.GetTskFunc(id),
                tsk.m_nTskSet[id - 1]);
}

std::unique_ptr<CEntryEditDialog> CCtl_SDlg_tsk::CreateEditDialog(int id)
{
    const CCData_conf_info& conf = Conf();
    const CCData_conf_info_tsk& tsk = conf.m_tsk;
    return std::make_unique<CCDlg_tskset>(this, id, tsk.m_nTskPriNum, tsk.GetTskFunc(id), tsk.m_nTskState[id - 1],
                                          tsk.m_nStackSize[id - 1], conf.m_cpu.GetMinStackSize(),
                                          conf.m_cpu.m_nCpuType, conf.m_cpu.m_nStackAlign);
}

void CCtl_SDlg_tsk::StoreEditDialog(int id, const CEntryEditDialog& dialog)
{
    const auto& task = static_cast<const CCDlg_tskset&>(dialog);
    Conf().m_tsk.SetTskData(id, task.GetInitState(), task.GetStackSize(), task.GetFunc());
}

void CCtl_SDlg_tsk::OnSelchangeNumber()
{
    const int count = m_cmbNumber->currentIndex() + 1;
    Conf().m_tsk.m_nTskNum = count;
    SetPriNumberList(count);
    SetListCount(count);
    RefreshView();
    CalcMemorySize();
}

void CCtl_SDlg_tsk::OnSelchangePriNumber()
{
    CCData_conf_info_tsk& tsk = Conf().m_tsk;
    tsk.m_nTskPriNum = m_cmbPriNumber->currentIndex();
    SetListCount(tsk.m_nTskNum);
    RefreshView();
    CalcMemorySize();
}
