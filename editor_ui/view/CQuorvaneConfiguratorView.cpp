// The form view: construction, initial update, the nine panels, the enable mask and panel switching.
#include "view/CQuorvaneConfiguratorView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "command_ids.h"
#include "doc.h"
#include "output_log.h"
#include "panels/CCtl_SDlg_Cpu.h"
#include "panels/CCtl_SDlg_Proj.h"
#include "panels/CCtl_SDlg_cychdr.h"
#include "panels/CCtl_SDlg_datq.h"
#include "panels/CCtl_SDlg_event.h"
#include "panels/CCtl_SDlg_output.h"
#include "panels/CCtl_SDlg_semaphore.h"
#include "panels/CCtl_SDlg_systim.h"
#include "panels/CCtl_SDlg_tsk.h"
#include "panels/panel_common.h"
#include "ui_dialogs.h"
#include "ui_text.h"

namespace {

constexpr int kFirstCategoryId = 352;  // string ids 352 to 359, in category order
constexpr int kTitleId = 141;

std::string CategoryText(int index) { return qvui::FromQ(LoadStr(kFirstCategoryId + index)); }

}  // namespace

CQuorvaneConfiguratorView::CQuorvaneConfiguratorView(CQuorvaneConfiguratorDoc* document, QWidget* parent)
    : QWidget(parent), m_nEnableMask(3), m_pDocument(document)
{
    setObjectName(QStringLiteral("view102"));
    // The controls of the form, in the order they were laid out; positions are set by the layout code.
    m_wndTree = NewTree();
    m_wndTree->setObjectName(QStringLiteral("tree401"));
    m_wndTree->setHeaderHidden(true);
    m_wndTree->setColumnCount(1);
    m_wndTree->setRootIsDecorated(true);
    m_wndTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long lines scroll sideways instead of being cut short.
    m_wndTree->setTextElideMode(Qt::ElideNone);
    m_wndTree->header()->setStretchLastSection(false);
    // The column is fitted to the shown lines once per rebuild and whenever an item opens or closes; an
    // automatic fit would measure every line again on each layout pass.
    m_wndTree->header()->setSectionResizeMode(QHeaderView::Interactive);
    SetUpTreeLines();

    // The two bars are never drawn: hidden buttons whose geometry is the bar position.
    m_btnVBar = new QPushButton(this);
    m_btnVBar->setObjectName(QStringLiteral("vbar402"));
    m_btnVBar->hide();
    m_btnVBar->setGeometry(100, 0, kBarThickness, 480);

    m_wndHeader = new QLabel(this);
    m_wndHeader->setObjectName(QStringLiteral("header403"));
    m_wndHeader->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    m_wndPicture = new QLabel(this);
    m_wndPicture->setObjectName(QStringLiteral("picture404"));
    m_wndPicture->setPixmap(QPixmap(QStringLiteral(":/icons/bitmap103.png")));

    m_wndTitle = new QLabel(this);
    m_wndTitle->setObjectName(QStringLiteral("title405"));
    QFont titleFont = m_wndTitle->font();
    titleFont.setBold(true);
    m_wndTitle->setFont(titleFont);
    m_wndTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_btnHBar = new QPushButton(this);
    m_btnHBar->setObjectName(QStringLiteral("hbar407"));
    m_btnHBar->hide();
    m_btnHBar->setGeometry(106, 320, 400, kBarThickness);

    // The texts the form transfers at its initial update.
    m_wndHeader->setText(QString());
    m_wndTitle->setText(LoadStr(kTitleId));

    setMouseTracking(true);
    ResetTreeItemTables();
    connect(m_wndTree, &QTreeWidget::currentItemChanged, this, [this] { OnSelchangedTree(); });
    // Enter on an item (or a double-click) goes on into the panel it shows.
    connect(m_wndTree, &QTreeWidget::itemActivated, this, &CQuorvaneConfiguratorView::FocusShownPanel);
    // A click selects its item after the current-item change has been answered; when that answer moved the
    // current item elsewhere (a disabled category leads to the configuration files), the highlight must
    // follow it, not stay on the clicked item.
    connect(m_wndTree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { KeepSelectionOnCurrentItem(); });
    connect(m_wndTree, &QTreeWidget::itemExpanded, this, [this] { FitTreeColumn(); });
    connect(m_wndTree, &QTreeWidget::itemCollapsed, this, [this] { FitTreeColumn(); });
}

CQuorvaneConfiguratorView::~CQuorvaneConfiguratorView()
{
    // The settings file is written first, while every panel still exists.
    if (m_pDocument != nullptr) m_pDocument->WriteIniFile();
    delete m_pProj;
    delete m_pCpu;
    delete m_pTsk;
    delete m_pEvent;
    delete m_pSemaphore;
    delete m_pDatq;
    delete m_pSystim;
    delete m_pCychdr;
    delete m_pOutput;
}

int CQuorvaneConfiguratorView::OnCreate()
{
    m_hCursorArrow = Qt::ArrowCursor;
    m_hCursorWE = Qt::SizeHorCursor;
    m_hCursorNS = Qt::SizeVerCursor;
    return 0;
}

void CQuorvaneConfiguratorView::OnInitialUpdate()
{
    // The title shows the version until the first switch.
    m_wndTitle->setText(LoadStr(kTitleId));
    m_crRed = QColor(255, 0, 0);
    m_crWhite = QColor(255, 255, 255);
    BuildTree();
    SetPaneMinimums();
    RestoreLayout();

    m_pProj = new CCtl_SDlg_Proj(this);
    m_pProj->Create(this);
    m_pCpu = new CCtl_SDlg_Cpu(this);
    m_pCpu->Create(this);
    m_pTsk = new CCtl_SDlg_tsk(this);
    m_pTsk->Create(this);
    m_pEvent = new CCtl_SDlg_event(this);
    m_pEvent->Create(this);
    m_pSemaphore = new CCtl_SDlg_semaphore(this);
    m_pSemaphore->Create(this);
    m_pDatq = new CCtl_SDlg_datq(this);
    m_pDatq->Create(this);
    m_pSystim = new CCtl_SDlg_systim(this);
    m_pSystim->Create(this);
    m_pCychdr = new CCtl_SDlg_cychdr(this);
    m_pCychdr->Create(this);
    m_pOutput = new CCtl_SDlg_output(this);
    m_pOutput->Create(this);

    m_pProj->show();
    for (int i = 1; i < kCategoryCount; ++i) SettingPanel(i)->hide();
    m_pOutput->show();

    // The view's pointer shape belongs to its own area: a child would otherwise inherit a sizing arrow set
    // over a bar and keep it after the pointer crossed into the child without touching the view in between.
    for (QWidget* child : {static_cast<QWidget*>(m_wndTree), static_cast<QWidget*>(m_wndHeader),
                           static_cast<QWidget*>(m_wndPicture), static_cast<QWidget*>(m_wndTitle)}) {
        child->setCursor(m_hCursorArrow);
    }
    for (int i = 0; i < kCategoryCount; ++i) SettingPanel(i)->setCursor(m_hCursorArrow);
    m_pOutput->setCursor(m_hCursorArrow);

    // The panels placed themselves from the restored bars; the resize rule then gives every child its
    // final place for the view's present size at once, rather than on the next resize.
    OnSize(width(), height());
    emit enableMaskChanged();
}

QTreeWidgetItem* CQuorvaneConfiguratorView::CategoryItem(int index) const
{
    return (index >= 0 && index < kCategoryCount) ? m_hCategoryItem[index] : nullptr;
}

QWidget* CQuorvaneConfiguratorView::SettingPanel(int index) const
{
    switch (index) {
    case 0: return m_pProj;
    case 1: return m_pCpu;
    case 2: return m_pTsk;
    case 3: return m_pEvent;
    case 4: return m_pSemaphore;
    case 5: return m_pDatq;
    case 6: return m_pSystim;
    case 7: return m_pCychdr;
    default: return nullptr;
    }
}

std::string CQuorvaneConfiguratorView::GetTitleText() const { return qvui::FromQ(m_wndTitle->text()); }

int CQuorvaneConfiguratorView::CategoryIndex(const std::string& text) const
{
    for (int i = 0; i < kCategoryCount; ++i) {
        if (text == CategoryText(i)) return i;
    }
    return -1;
}

bool CQuorvaneConfiguratorView::IsCommandEnabled(int id) const
{
    if (id < qvcmd::kChangeForm || id > qvcmd::kOutputConfFiles) return true;
    return (m_nEnableMask & (1u << (id - qvcmd::kChangeForm))) != 0;
}

void CQuorvaneConfiguratorView::SetEnableMask(uint32_t mask)
{
    m_nEnableMask = mask;
    emit enableMaskChanged();
}

void CQuorvaneConfiguratorView::KeepSelectionOnCurrentItem()
{
    const QTreeWidgetItem* current = m_wndTree->currentItem();
    if (current == nullptr) return;
    const QList<QTreeWidgetItem*> selected = m_wndTree->selectedItems();
    if (selected.size() == 1 && selected.front() == current) return;
    m_wndTree->selectionModel()->select(m_wndTree->currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void CQuorvaneConfiguratorView::SwitchToCategory(int index)
{
    // Selecting the item may run a nested switch through the tree's selection change.
    if (m_hCategoryItem[index] != nullptr && m_wndTree->currentItem() != m_hCategoryItem[index]) {
        m_wndTree->setCurrentItem(m_hCategoryItem[index]);
    }
    QWidget* panel = SettingPanel(index);
    if (panel == nullptr) return;
    panel->show();
    // A key that moves through the tree leaves the focus there: the next key walks on, and no setting
    // changes unless the user goes into the panel.
    if (!m_bTreeKeyMove) qvui::FocusPanel(panel);
}

void CQuorvaneConfiguratorView::FocusShownPanel(const QTreeWidgetItem* item)
{
    QWidget* panel = SettingPanel(item != nullptr ? CategoryIndex(qvui::FromQ(item->text(0))) : -1);
    if (panel != nullptr && panel->isVisible()) qvui::FocusPanel(panel);
}

void CQuorvaneConfiguratorView::SwitchPanel(std::string currentTitle, std::string target)
{
    const int index = CategoryIndex(target);
    if (index < 0) return;
    if (currentTitle == CategoryText(6) && m_pSystim != nullptr && !m_pSystim->CheckCyclicTime()) {
        // A click on another category made it current already: the highlight goes back to the panel shown,
        // without a second check through the tree's selection change.
        const QSignalBlocker quiet(m_wndTree);
        m_wndTree->setCurrentItem(m_hCategoryItem[6]);
        return;
    }

    for (int i = 0; i < kCategoryCount; ++i) {
        if (QWidget* panel = SettingPanel(i)) panel->hide();
    }
    // The bit of category i is 0x2 << i; the configuration-files panel is shown without looking at it.
    if (index == 0 || (m_nEnableMask & (0x2u << index)) != 0) {
        SwitchToCategory(index);
    } else {
        SwitchToCategory(0);
        qvui::MessageBox(window(), LoadStr(4012), qvui::MB_OK);
        return;
    }
    m_wndTitle->setText(qvui::ToQ(target));
}

void CQuorvaneConfiguratorView::OnChangeForm()
{
    const std::string title = GetTitleText();
    int next = -1;
    if (title == qvui::FromQ(LoadStr(kTitleId))) {
        next = 0;
    } else {
        const int current = CategoryIndex(title);
        if (current >= 0) next = (current + 1) % kCategoryCount;
    }
    // Only the next category, never one further on.
    if (next < 0 || (m_nEnableMask & (0x2u << next)) == 0) return;
    SwitchPanel(title, CategoryText(next));
}

void CQuorvaneConfiguratorView::OnSelectConfFiles() { SwitchPanel(GetTitleText(), CategoryText(0)); }
void CQuorvaneConfiguratorView::OnCpuKernelMaskLevel() { SwitchPanel(GetTitleText(), CategoryText(1)); }
void CQuorvaneConfiguratorView::OnTask() { SwitchPanel(GetTitleText(), CategoryText(2)); }
void CQuorvaneConfiguratorView::OnEventflg() { SwitchPanel(GetTitleText(), CategoryText(3)); }
void CQuorvaneConfiguratorView::OnSemaphore() { SwitchPanel(GetTitleText(), CategoryText(4)); }
void CQuorvaneConfiguratorView::OnDataQue() { SwitchPanel(GetTitleText(), CategoryText(5)); }
void CQuorvaneConfiguratorView::OnSystemTime() { SwitchPanel(GetTitleText(), CategoryText(6)); }
void CQuorvaneConfiguratorView::OnCyclicHandler() { SwitchPanel(GetTitleText(), CategoryText(7)); }

void CQuorvaneConfiguratorView::OnOutputConfFiles()
{
    if (m_pDocument == nullptr || m_pProj == nullptr || m_pOutput == nullptr) return;
    // A bad system time being shown stops the command before anything is cleared or written.
    if (GetTitleText() == CategoryText(6) && m_pSystim != nullptr && !m_pSystim->CheckCyclicTime()) return;

    // The paths as they stand in the fields now, not the copies the panel took at its last check.
    configfiles::ConfigPaths paths;
    paths.dir = m_pProj->PathString(901);
    paths.inConfig = m_pProj->PathString(903);
    paths.inDef = m_pProj->PathString(905);
    paths.inKinit = m_pProj->PathString(907);
    paths.outConfig = m_pProj->PathString(909);
    paths.outDef = m_pProj->PathString(911);
    paths.outKinit = m_pProj->PathString(913);
    const outputlog::OutputLog log = outputlog::OutputConfigFiles(
        *m_pDocument, paths, [](int id) { return qvui::FromQ(LoadStr(id)); }, qvui::PathInText);

    m_pOutput->ClearMessage();
    for (const std::string& line : log.lines) m_pOutput->AddMessage(line);
    // The rows and summary lines lose the marks of the entries that were warned about.
    RefreshAll();
}

void CQuorvaneConfiguratorView::OnRecentConfig(unsigned id)
{
    if (m_pDocument == nullptr || m_pProj == nullptr || id < qvcmd::kRecentFirst || id > qvcmd::kRecentLast) return;
    const int i = static_cast<int>(id) - qvcmd::kRecentFirst;
    const CCData_conf_ini& recent = m_pDocument->GetConfInfo().m_ini;
    const std::string folder = recent.GetRecentDir(i);
    // The placeholder entry of an empty list.
    if (folder == "<NONE>") return;
    const std::string title = GetTitleText();
    if (!m_pProj->ConfirmCancelEdit()) return;
    // A refused switch (an invalid system time being shown) does not stop the load.
    SwitchPanel(title, CategoryText(0));
    const struct {
        int editId;
        std::string path;
    } fields[] = {{901, folder},
                  {903, recent.GetRecentInConfig(i)},
                  {909, recent.GetRecentOutConfig(i)},
                  {905, recent.GetRecentInDef(i)},
                  {911, recent.GetRecentOutDef(i)},
                  {907, recent.GetRecentInKinit(i)},
                  {913, recent.GetRecentOutKinit(i)}};
    for (const auto& field : fields) m_pProj->SetPathEditText(field.editId, field.path);
    // Each caret after its path, so that the file names show in edits narrower than the paths.
    for (int editId : {901, 903, 905, 907, 909, 911, 913}) {
        QLineEdit* edit = m_pProj->PathEdit(editId);
        edit->setCursorPosition(edit->text().size());
    }
    m_pProj->InputConfigFiles();
}
