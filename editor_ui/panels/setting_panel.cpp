// The base of the nine setting panels.
#include "panels/setting_panel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "panels/panel_common.h"

CSettingPanel::CSettingPanel(CQuorvaneConfiguratorView* view) : m_pView(view)
{
    m_wndScroll = new QScrollArea(this);
    m_wndScroll->setFrameShape(QFrame::NoFrame);
    m_wndScroll->setWidgetResizable(true);
    // Tab stops at the controls, never at the scroll area; the panel's own background shows through.
    m_wndScroll->setFocusPolicy(Qt::NoFocus);
    m_wndScroll->viewport()->setAutoFillBackground(false);
    m_wndClient = new QWidget;
    m_wndClient->setAutoFillBackground(false);
    m_wndScroll->setWidget(m_wndClient);
    m_wndClient->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wndScroll);
}

CSettingPanel::~CSettingPanel() = default;

bool CSettingPanel::Create(QWidget* parent)
{
    setParent(parent);
    qvui::SetPanelFrame(this);
    CreateControls();
    return OnInitDialog();
}

bool CSettingPanel::OnInitDialog()
{
    qvui::PlaceSettingPanel(this, m_pView);
    return true;
}

void CSettingPanel::keyPressEvent(QKeyEvent* event)
{
    if (qvui::IsPanelDialogKey(event)) {
        if (event->key() == Qt::Key_Escape) OnCancel();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool CSettingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_wndClient && event->type() == QEvent::Resize) {
        OnSize(m_wndClient->width(), m_wndClient->height());
    }
    return QFrame::eventFilter(watched, event);
}

void CSettingPanel::SetTabOrder(const QList<QWidget*>& controls)
{
    m_tabOrder = controls;
    qvui::ChainTabOrder(controls);
}

bool CSettingPanel::FocusFirstControl()
{
    for (QWidget* control : m_tabOrder) {
        if (control->isVisibleTo(this) && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

void CSettingPanel::SetClientMinimumSize(const QSize& size)
{
    m_wndClient->setMinimumSize(size);
    // The scroll area sizes the client area again at once, whether or not the panel is shown.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_wndScroll, &request);
}
