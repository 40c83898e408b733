// The wheel rule: one event filter on the application sees every wheel step before the control does.
#include "ui_wheel.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>

namespace {

class WheelRule : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel && event->type() != QEvent::Polish) return false;
        auto* control = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
        if (control == nullptr || !qvui::TurnsWithWheel(control)) return false;
        if (event->type() == QEvent::Polish) {
            // A control that takes the focus from the wheel would have it by the time the step arrives.
            if (control->focusPolicy() == Qt::WheelFocus) control->setFocusPolicy(Qt::StrongFocus);
            return false;
        }
        if (control->hasFocus()) return false;
        // Ignored, the step goes on to the parents, where the panel's scroll area takes it.
        event->ignore();
        return true;
    }
};

}  // namespace

namespace qvui {

bool TurnsWithWheel(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) != nullptr || qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
           (qobject_cast<const QAbstractSlider*>(w) != nullptr && qobject_cast<const QScrollBar*>(w) == nullptr);
}

void InstallWheelRule(QObject* owner)
{
    qApp->installEventFilter(new WheelRule(owner));
}

}  // namespace qvui
