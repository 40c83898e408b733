// Placement, keyboard rules, focus and dialog units shared by the nine panels and the edit dialogs.
#include "panels/panel_common.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

#include "panels/setting_panel.h"
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
    if (auto* setting = qobject_cast<CSettingPanel*>(panel); setting != nullptr && setting->FocusFirstControl()) return;
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

void ChainTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

// The dialog manager's base units: the average width of the 52 Latin letters (rounded) and the height.
QSize BaseUnits(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((letters + 26) / 52, metrics.height());
}

// units * base / divisor, rounded to the nearest pixel.
int Scale(int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; }

}  // namespace

int DialogUnitsX(const QWidget* widget, int units) { return Scale(units, BaseUnits(widget).width(), 4); }

int DialogUnitsY(const QWidget* widget, int units) { return Scale(units, BaseUnits(widget).height(), 8); }

QSize TemplateSize(const QWidget* widget, int unitsX, int unitsY)
{
    return QSize(DialogUnitsX(widget, unitsX), DialogUnitsY(widget, unitsY)).expandedTo(widget->sizeHint());
}

void FitButtonWidth(QPushButton* button, int unitsX)
{
    // The style's content size of the text alone: without the minimum width it gives every text button.
    QStyleOptionButton option;
    option.initFrom(button);
    const QFontMetrics metrics = button->fontMetrics();
    const QSize text(metrics.horizontalAdvance(button->text()), metrics.height());
    const QSize natural = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button);
    button->setFixedWidth(std::max(natural.width(), DialogUnitsX(button, unitsX)));
}

}  // namespace qvui
