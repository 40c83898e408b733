// Placement, keyboard rules and focus shared by the nine panels.
#include "panels/panel_common.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QWidget>

#include "view/CQuorvaneConfiguratorView.h"

namespace qvui {

void PlaceSettingPanel(QWidget* panel, const CQuorvaneConfiguratorView* view)
{
    if (panel == nullptr || view == nullptr) return;
    const QWidget* vbar = view->VerticalBar();
    const QWidget* header = view->HeaderStrip();
    const QWidget* hbar = view->HorizontalBar();
    if (vbar == nullptr || header == nullptr || hbar == nullptr) return;
    // Right and bottom edges are exclusive here (one past the last pixel).
    const int vbarRight = vbar->x() + vbar->width();
    const int headerBottom = header->y() + header->height();
    const int viewRight = view->OuterRect().x() + view->OuterRect().width();
    const int left = vbarRight + 4;
    const int top = headerBottom + 1;
    panel->setGeometry(left, top, viewRight - vbarRight - 1, hbar->y() - top);
}

bool IsPanelDialogKey(const QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void FocusPanel(QWidget* panel)
{
    if (panel == nullptr) return;
    for (QWidget* w = panel->nextInFocusChain(); w != nullptr && w != panel; w = w->nextInFocusChain()) {
        if (!panel->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(panel) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    panel->setFocus(Qt::OtherFocusReason);
}

void SetPanelFrame(QWidget* panel)
{
    if (auto* frame = qobject_cast<QFrame*>(panel)) {
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
    }
    panel->setFocusPolicy(Qt::ClickFocus);
    panel->setAutoFillBackground(true);
}

}  // namespace qvui
