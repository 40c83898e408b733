// The cyclic-handler panel.
#include "panels/CCtl_SDlg_cychdr.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

#include "conf_info.h"
#include "cyc_entries.h"
#include "dialogs/CCDlg_cycset.h"
#include "ui_text.h"

namespace {

std::string Label(int id) { return qvui::FromQ(LoadStr(id)); }

CEntryListPanel::Kind CycKind()
{
    CEntryListPanel::Kind kind{1085, {}, false};
    for (const cycpanel::Column& c : cycpanel::Columns()) kind.columns.push_back({c.headerId, c.width});
    return kind;
}

}  // namespace

CCtl_SDlg_cychdr::CCtl_SDlg_cychdr(CQuorvaneConfiguratorView* view)
    : CSwitchableListPanel(view, CycKind(), Header{1082, 3314, 1083, 3315, 1084})
{
}

CCtl_SDlg_cychdr::~CCtl_SDlg_cychdr() = default;

QList<QWidget*> CCtl_SDlg_cychdr::CreateHeader(QWidget* header)
{
    const QList<QWidget*> controls = CSwitchableListPanel::CreateHeader(header);
    // A sibling, not a child, of the check box: a child would be greyed with it. Clicks pass through to
    // the box underneath.
    m_lblUse = new QLabel(header);
    qvui::SetControlId(m_lblUse, 1086);
    m_lblUse->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lblUse->setAutoFillBackground(true);
    UseCheck()->installEventFilter(this);
    return controls;
}

bool CCtl_SDlg_cychdr::OnInitDialog()
{
    m_lblUse->setText(LoadStr(3314));
    const bool placed = CSwitchableListPanel::OnInitDialog();
    PlaceUseLabel();
    return placed;
}

bool CCtl_SDlg_cychdr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == UseCheck() && m_lblUse != nullptr) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) PlaceUseLabel();
    }
    return CSwitchableListPanel::eventFilter(watched, event);
}

void CCtl_SDlg_cychdr::PlaceUseLabel()
{
    QCheckBox* box = UseCheck();
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    m_lblUse->setGeometry(text.translated(box->pos()));
    m_lblUse->raise();
}

void CCtl_SDlg_cychdr::SetListItem(int row, int id, int attr, const std::string& func, int cycleTime, int userSet)
{
    (void)id;  // row r is always id r + 1; the id column is written by SetListCount
    SetRowTexts(row, userSet, cycpanel::RowTexts(func, cycleTime, attr, Label));
}

void CCtl_SDlg_cychdr::FillListRow(int row, int id)
{
    const CCData_conf_info_cyc& cyc = Conf().m_cyc;
    SetListItem(row, id, cyc.m_nCycAttr[id - 1], cyc.GetCycFunc(id), cyc.m_nCycTime[id - 1], cyc.m_nCycSet[id - 1]);
}

std::unique_ptr<CEntryEditDialog> CCtl_SDlg_cychdr::CreateEditDialog(int id)
{
    const CCData_conf_info_cyc& cyc = Conf().m_cyc;
    return std::make_unique<CCDlg_cycset>(this, id, cyc.GetCycFunc(id), cyc.m_nCycTime[id - 1], cyc.m_nCycAttr[id - 1]);
}

void CCtl_SDlg_cychdr::StoreEditDialog(int id, const CEntryEditDialog& dialog)
{
    const auto& handler = static_cast<const CCDlg_cycset&>(dialog);
    Conf().m_cyc.SetCycData(id, handler.GetAttr(), handler.GetFunc(), handler.GetNum());
}

CCData_conf_info_base& CCtl_SDlg_cychdr::KindRecord() const { return Conf().m_cyc; }

int& CCtl_SDlg_cychdr::CountField() const { return Conf().m_cyc.m_nCycNum; }

bool CCtl_SDlg_cychdr::IsUseAvailable() const { return cycpanel::IsUseBoxEnabled(Conf().m_tim.GetUse()); }
