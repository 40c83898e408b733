// Helpers the setting panels share: their placement beside the tree, their keyboard rules and their focus.
#pragma once

class QKeyEvent;
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

}  // namespace qvui
