// The mouse wheel turns a value only in the control that has the focus, as the Windows controls do;
// over any other it scrolls the panel or dialog beneath the pointer.
#pragma once

class QObject;
class QWidget;

namespace qvui {

// True for a control whose value one wheel step changes: a drop-down list, a spin box or a slider.
bool TurnsWithWheel(const QWidget* w);
// Puts the rule in force for every window of the application for as long as `owner` lives.
void InstallWheelRule(QObject* owner);

}  // namespace qvui
