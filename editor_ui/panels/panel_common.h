// Helpers the setting panels and edit dialogs share: placement beside the tree, keyboard rules, focus and
// Tab order, and the template sizes in dialog units turned into pixels.
#pragma once

#include <QList>
#include <QSize>

class QKeyEvent;
class QPushButton;
class QWidget;
class CQuorvaneConfiguratorView;

namespace qvui {

// Places a setting panel right of the vertical drag bar, below the header strip and above the horizontal
// drag bar, as a panel places itself when it opens.
void PlaceSettingPanel(QWidget* panel, const CQuorvaneConfiguratorView* view);
// True for Enter, Return and Esc, the keys a panel swallows so that it never closes or acts on them.
bool IsPanelDialogKey(const QKeyEvent* event);
// Gives the keyboard focus to the panel's first control that takes it, or to the panel itself.
void FocusPanel(QWidget* panel);
// The sunken frame and the background every panel shares.
void SetPanelFrame(QWidget* panel);
// Tab runs through `controls` in the order given (reading order), from the first to the last.
void ChainTabOrder(const QList<QWidget*>& controls);

// Pixels of a template size in dialog units for the widget's font, as the dialog manager converts them:
// a horizontal unit is a quarter of the font's average character width, a vertical unit an eighth of its
// height.
int DialogUnitsX(const QWidget* widget, int units);
int DialogUnitsY(const QWidget* widget, int units);
// The template size, but never less than the control needs for its text.
QSize TemplateSize(const QWidget* widget, int unitsX, int unitsY);
// A push button just wide enough for its text (the style's usual minimum width of a text button aside),
// and at least the template width.
void FitButtonWidth(QPushButton* button, int unitsX);

}  // namespace qvui
