// The main frame: menu 101 in English or Japanese, accelerators, tool bar 136, status bar, Edit commands,
// the recent-configuration submenu and the fixed title.
#include "frame/CCMain_Frm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "command_ids.h"
#include "doc.h"
#include "ui_text.h"
#include "ui_wheel.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

// Menu 101 in the user's language; the Japanese menu has the same ids and structure.
QString MenuStr(const char* key) { return LoadStr((std::string("menu.") + key).c_str()); }

// The prompt of a command (before "\n") goes to the status bar, the tip (after it) to the tool tip.
void SetPrompt(QAction* action, int id)
{
    const QString text = LoadStr(id);
    if (text.isEmpty()) return;
    const int split = text.indexOf(QLatin1Char('\n'));
    action->setStatusTip(split < 0 ? text : text.left(split));
    action->setToolTip(split < 0 ? text : text.mid(split + 1));
}

}  // namespace

CCMain_Frm::CCMain_Frm(CQuorvaneConfiguratorDoc* document) : m_pDocument(document)
{
    qvui::InitResources();
    setObjectName(QStringLiteral("mainFrame101"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app101.png")));
    OnUpdateFrameTitle();
    // For the panels and the edit dialogs alike, which are all made while the frame lives.
    qvui::InstallWheelRule(this);
    // The Edit commands follow the focus widget, its selection and the clipboard.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        disconnect(m_selectionConnection);
        if (now != nullptr && now == menuBar()) m_beforeMenuBar = old;
        if (IsEditCtrl(now)) now->installEventFilter(this);
        if (auto* line = qobject_cast<QLineEdit*>(now)) {
            m_selectionConnection = connect(line, &QLineEdit::selectionChanged, this, &CCMain_Frm::UpdateCommandUI);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(now)) {
            m_selectionConnection = connect(text, &QPlainTextEdit::selectionChanged, this, &CCMain_Frm::UpdateCommandUI);
        }
        UpdateCommandUI();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CCMain_Frm::UpdateCommandUI);
}

CCMain_Frm::~CCMain_Frm()
{
    // Focus and clipboard changes while the widgets go must not reach a half-destroyed frame.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    disconnect(m_selectionConnection);
    // The view stores the layout while the frame still has its rectangle and state.
    if (m_pView != nullptr) m_pView->OnDestroy();
}

QAction* CCMain_Frm::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CCMain_Frm::AddCommand(QMenu* menu, int id, const QString& text)
{
    QAction* action = Action(id);
    if (action == nullptr) {
        action = new QAction(text, this);
        action->setData(id);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        m_actions[id] = action;
        SetPrompt(action, id);
    }
    if (menu != nullptr) menu->addAction(action);
    return action;
}

int CCMain_Frm::OnCreate()
{
    BuildMenu();
    if (!BuildToolBar()) return -1;
    if (!BuildStatusBar()) return -1;
    return 0;
}

void CCMain_Frm::BuildMenu()
{
    QMenuBar* bar = menuBar();

    m_menuFile = bar->addMenu(MenuStr("file"));
    m_menuRecent = m_menuFile->addMenu(MenuStr("file.recent"));
    QAction* none = m_menuRecent->addAction(MenuStr("file.none"));
    none->setEnabled(false);
    m_menuFile->addSeparator();
    QAction* exitAction = AddCommand(m_menuFile, qvcmd::kAppExit, MenuStr("file.exit"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_menuFile, &QMenu::aboutToShow, this, &CCMain_Frm::OnInitMenu);

    QMenu* edit = bar->addMenu(MenuStr("edit"));
    QAction* cut = AddCommand(edit, qvcmd::kEditCut, MenuStr("edit.cut"));
    QAction* copy = AddCommand(edit, qvcmd::kEditCopy, MenuStr("edit.copy"));
    QAction* paste = AddCommand(edit, qvcmd::kEditPaste, MenuStr("edit.paste"));
    cut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    paste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    for (QAction* a : {cut, copy, paste}) a->setShortcutContext(Qt::WindowShortcut);
    connect(cut, &QAction::triggered, this, &CCMain_Frm::OnEditCut);
    connect(copy, &QAction::triggered, this, &CCMain_Frm::OnEditCopy);
    connect(paste, &QAction::triggered, this, &CCMain_Frm::OnEditPaste);
    connect(edit, &QMenu::aboutToShow, this, &CCMain_Frm::UpdateCommandUI);

    QMenu* view = bar->addMenu(MenuStr("view"));
    QAction* toggleTool = AddCommand(view, qvcmd::kViewToolBar, MenuStr("view.toolbar"));
    QAction* toggleStatus = AddCommand(view, qvcmd::kViewStatusBar, MenuStr("view.statusbar"));
    toggleTool->setCheckable(true);
    toggleStatus->setCheckable(true);
    connect(toggleTool, &QAction::toggled, this, [this](bool on) {
        if (m_wndToolBar != nullptr) m_wndToolBar->setVisible(on);
    });
    connect(toggleStatus, &QAction::toggled, this, [this](bool on) {
        if (m_wndStatusBar != nullptr) m_wndStatusBar->setVisible(on);
    });
    view->addSeparator();
    for (int id = qvcmd::kSelectConfFiles; id <= qvcmd::kCyclicHandler; ++id) {
        // The category texts name the panel commands.
        AddCommand(view, id, LoadStr(352 + id - qvcmd::kSelectConfFiles));
    }
    connect(view, &QMenu::aboutToShow, this, &CCMain_Frm::UpdateCommandUI);

    QMenu* build = bar->addMenu(MenuStr("build"));
    AddCommand(build, qvcmd::kOutputConfFiles, MenuStr("build.output"));
    connect(build, &QMenu::aboutToShow, this, &CCMain_Frm::UpdateCommandUI);

    QMenu* help = bar->addMenu(MenuStr("help"));
    QAction* about = AddCommand(help, qvcmd::kAppAbout, MenuStr("help.about"));
    connect(about, &QAction::triggered, this, &CCMain_Frm::aboutRequested);

    // Command 302 is on the tool bar only.
    AddCommand(nullptr, qvcmd::kChangeForm, LoadStr(302).section(QLatin1Char('\n'), 1));
}

bool CCMain_Frm::BuildToolBar()
{
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar136"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->setMovable(true);
    const int layout[] = {qvcmd::kChangeForm, 0, qvcmd::kSelectConfFiles, 0, qvcmd::kCpuKernelMaskLevel,
                          qvcmd::kTask, qvcmd::kEventflg, qvcmd::kSemaphore, qvcmd::kDataQue,
                          qvcmd::kSystemTime, qvcmd::kCyclicHandler, 0, qvcmd::kOutputConfFiles};
    for (int id : layout) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = Action(id);
        if (action == nullptr) return false;
        action->setIcon(QIcon(QStringLiteral(":/icons/cmd%1.png").arg(id)));
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    if (QAction* toggle = Action(qvcmd::kViewToolBar)) toggle->setChecked(true);
    // Hiding the bar some other way keeps the View menu's check in step.
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, [this](bool on) {
        if (QAction* toggle = Action(qvcmd::kViewToolBar); toggle != nullptr && !isHidden()) {
            toggle->setChecked(on);
        }
    });
    return true;
}

bool CCMain_Frm::BuildStatusBar()
{
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(m_wndStatusBar);
    // The indicators: kana input, caps lock, num lock, scroll lock. Their key states are not readable on
    // every platform, so they show their names greyed, as inactive indicators.
    for (int id : {59142, 59137, 59138, 59139}) {
        auto* pane = new QLabel(LoadStr(id), m_wndStatusBar);
        pane->setObjectName(QStringLiteral("indicator%1").arg(id));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 12);
        pane->setEnabled(false);
        m_wndStatusBar->addPermanentWidget(pane);
    }
    if (QAction* toggle = Action(qvcmd::kViewStatusBar)) toggle->setChecked(true);
    // The message pane shows the idle text whenever no prompt is shown.
    const QString idle = LoadStr(57345);
    connect(m_wndStatusBar, &QStatusBar::messageChanged, this, [this, idle](const QString& text) {
        if (text.isEmpty()) m_wndStatusBar->showMessage(idle);
    });
    m_wndStatusBar->showMessage(idle);
    return true;
}

CQuorvaneConfiguratorView* CCMain_Frm::CreateView()
{
    // The sunken edge around the view; the view's drag arithmetic counts it in.
    auto* edge = new QFrame(this);
    edge->setObjectName(QStringLiteral("viewEdge"));
    edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    edge->setLineWidth(CQuorvaneConfiguratorView::kClientEdge);
    auto* layout = new QVBoxLayout(edge);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pView = new CQuorvaneConfiguratorView(m_pDocument, edge);
    layout->addWidget(m_pView);
    setCentralWidget(edge);
    m_pView->OnCreate();

    // Commands 302 to 311 go to the view.
    for (int id = qvcmd::kChangeForm; id <= qvcmd::kOutputConfFiles; ++id) {
        if (QAction* action = Action(id)) {
            connect(action, &QAction::triggered, m_pView, [this, id] { RouteViewCommand(id); });
        }
    }
    connect(m_pView, &CQuorvaneConfiguratorView::enableMaskChanged, this, &CCMain_Frm::UpdateCommandUI);
    return m_pView;
}

void CCMain_Frm::RouteViewCommand(int id)
{
    if (m_pView == nullptr) return;
    switch (id) {
    case qvcmd::kChangeForm: m_pView->OnChangeForm(); break;
    case qvcmd::kSelectConfFiles: m_pView->OnSelectConfFiles(); break;
    case qvcmd::kCpuKernelMaskLevel: m_pView->OnCpuKernelMaskLevel(); break;
    case qvcmd::kTask: m_pView->OnTask(); break;
    case qvcmd::kEventflg: m_pView->OnEventflg(); break;
    case qvcmd::kSemaphore: m_pView->OnSemaphore(); break;
    case qvcmd::kDataQue: m_pView->OnDataQue(); break;
    case qvcmd::kSystemTime: m_pView->OnSystemTime(); break;
    case qvcmd::kCyclicHandler: m_pView->OnCyclicHandler(); break;
    case qvcmd::kOutputConfFiles: m_pView->OnOutputConfFiles(); break;
    default: break;
    }
}

void CCMain_Frm::OnInitMenu()
{
    if (m_menuRecent == nullptr) return;
    m_menuRecent->clear();
    if (m_pDocument != nullptr) {
        const CCData_conf_ini& recent = m_pDocument->GetConfInfo().m_ini;
        const int count = std::clamp(recent.m_nRecentNum, 0, static_cast<int>(CCData_conf_ini::kMaxRecent));
        for (int i = 0; i < count; ++i) {
            const int id = qvcmd::kRecentFirst + i;
            // A folder is shown as it is named: an "&" in it is no menu shortcut.
            QString folder = qvui::PathToQ(recent.GetRecentDir(i));
            QAction* action = m_menuRecent->addAction(folder.replace(QLatin1Char('&'), QLatin1String("&&")));
            action->setData(id);
            action->setObjectName(QStringLiteral("cmd%1").arg(id));
            SetPrompt(action, id);
            connect(action, &QAction::triggered, this, [this, id] {
                if (m_pView != nullptr) m_pView->OnRecentConfig(static_cast<unsigned>(id));
            });
        }
    }
    UpdateCommandUI();
}

void CCMain_Frm::UpdateCommandUI()
{
    for (int id = qvcmd::kChangeForm; id <= qvcmd::kOutputConfFiles; ++id) {
        if (QAction* action = Action(id)) action->setEnabled(m_pView != nullptr && m_pView->IsCommandEnabled(id));
    }
    if (QAction* a = Action(qvcmd::kEditCopy)) a->setEnabled(OnUpdateEditCopy());
    if (QAction* a = Action(qvcmd::kEditCut)) a->setEnabled(OnUpdateEditCopy());
    if (QAction* a = Action(qvcmd::kEditPaste)) a->setEnabled(OnUpdateEditPaste());
}

void CCMain_Frm::OnUpdateFrameTitle() { setWindowTitle(LoadStr(141)); }

void CCMain_Frm::PlaceOuterRect(const QRect& outer)
{
    // A position given before the window exists is the outer one already; the size is the client's.
    move(outer.topLeft());
    resize(outer.size());
    show();
    raise();
    m_pendingOuterSize = outer.size();
    FitOuterSize();
}

void CCMain_Frm::FitOuterSize()
{
    if (m_pendingOuterSize.isEmpty() || windowHandle() == nullptr) return;
    const QMargins decoration = windowHandle()->frameMargins();
    if (decoration.isNull()) return;
    const QSize outer = m_pendingOuterSize;
    m_pendingOuterSize = QSize();
    resize(outer.shrunkBy(decoration));
    emit outerSizeFitted();
}

void CCMain_Frm::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The window manager moves the client into its frame when it frames the window.
    FitOuterSize();
}

void CCMain_Frm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FitOuterSize();
}

bool CCMain_Frm::eventFilter(QObject* watched, QEvent* event)
{
    // The menu bar takes the focus for keys as a menu does for the mouse: the edit keeps its selection (a
    // line edit would drop it) and runs no check on leaving, as under a pop-up.
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
        QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(watched, &popupOut);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget* CCMain_Frm::FocusControl() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus == menuBar() ? m_beforeMenuBar.data() : focus;
}

bool CCMain_Frm::IsEditCtrl(const QWidget* window)
{
    return qobject_cast<const QLineEdit*>(window) != nullptr || qobject_cast<const QPlainTextEdit*>(window) != nullptr;
}

void CCMain_Frm::OnEditCopy()
{
    QWidget* focus = FocusControl();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) line->copy();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) text->copy();
}

void CCMain_Frm::OnEditCut()
{
    QWidget* focus = FocusControl();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) line->cut();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) text->cut();
}

void CCMain_Frm::OnEditPaste()
{
    QWidget* focus = FocusControl();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) line->paste();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) text->paste();
}

bool CCMain_Frm::OnUpdateEditCopy() const
{
    const QWidget* focus = FocusControl();
    if (!IsEditCtrl(focus)) return false;
    if (const auto* line = qobject_cast<const QLineEdit*>(focus)) return line->hasSelectedText();
    return qobject_cast<const QPlainTextEdit*>(focus)->textCursor().hasSelection();
}

bool CCMain_Frm::OnUpdateEditPaste() const
{
    const QWidget* focus = FocusControl();
    if (!IsEditCtrl(focus)) return false;
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    const bool readOnly = line != nullptr ? line->isReadOnly() : qobject_cast<const QPlainTextEdit*>(focus)->isReadOnly();
    if (readOnly) return false;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}
