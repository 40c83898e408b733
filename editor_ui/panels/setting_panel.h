// The base of the nine setting panels: a sunken frame that the view creates once and that never closes
// itself. Enter does nothing and Esc reaches OnCancel, which does nothing either.
//
// The controls live in the panel's client area, Client(), inside a scroll area that fills the frame: the
// view gives the panel whatever room lies between the drag bars, and where that is less than the controls
// need, the panel scrolls rather than squeezing them. A panel laid out with a Qt layout on Client() gets its
// minimum from the layout; one that places its controls itself states it with SetClientMinimumSize(), and
// follows the client area's size in OnSize().
#pragma once

#include <QFrame>
#include <QList>

class CQuorvaneConfiguratorView;
class QKeyEvent;
class QScrollArea;

class CSettingPanel : public QFrame {
    Q_OBJECT
public:
    explicit CSettingPanel(CQuorvaneConfiguratorView* view);
    ~CSettingPanel() override;

    // Makes the panel a child of `parent`, builds its controls and initialises it.
    bool Create(QWidget* parent);

    // The parent of the panel's controls: the panel's client area, at least as large as they need.
    QWidget* Client() const { return m_wndClient; }
    QScrollArea* ScrollArea() const { return m_wndScroll; }
    // Gives the focus to the first control in reading order that takes it; false when none does.
    bool FocusFirstControl();
    // The client area's new size (cx, cy).
    virtual void OnSize(int cx, int cy) { (void)cx, (void)cy; }

protected:
    // Builds the panel's own controls; runs once, before OnInitDialog.
    virtual void CreateControls() {}
    // Sets the texts and values and places the panel beside the tree.
    virtual bool OnInitDialog();
    virtual void OnCancel() {}
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Tab runs through the controls in reading order, and the first is the one that gets the focus when
    // the panel is shown.
    void SetTabOrder(const QList<QWidget*>& controls);
    // The least client size at which none of the panel's own placed controls is squeezed or cut.
    void SetClientMinimumSize(const QSize& size);

    CQuorvaneConfiguratorView* m_pView;

private:
    QScrollArea* m_wndScroll = nullptr;
    QWidget* m_wndClient = nullptr;
    QList<QWidget*> m_tabOrder;
};
