// The main frame: menu, accelerators, tool bar, status bar, the Edit commands, the recent-configuration
// submenu and the title; it hosts the one form view.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

class CQuorvaneConfiguratorDoc;
class CQuorvaneConfiguratorView;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

class CCMain_Frm : public QMainWindow {
    Q_OBJECT
public:
    explicit CCMain_Frm(CQuorvaneConfiguratorDoc* document);
    ~CCMain_Frm() override;

    // Creates the menu, the tool bar and the status bar; 0 on success, -1 on failure.
    int OnCreate();
    // Creates the view inside the frame and runs its creation step; the view's initial update follows.
    CQuorvaneConfiguratorView* CreateView();
    CQuorvaneConfiguratorView* GetActiveView() const { return m_pView; }

    // The action of a command id (menu, tool bar, accelerators); null for an unknown id.
    QAction* Action(int id) const;
    QMenu* FileMenu() const { return m_menuFile; }
    QMenu* RecentMenu() const { return m_menuRecent; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    QStatusBar* StatusBar() const { return m_wndStatusBar; }

    // Refills the "Recent CONF-FILES" submenu from the recent list.
    void OnInitMenu();
    // Brings the enabled state of every command up to date.
    void UpdateCommandUI();
    void OnUpdateFrameTitle();

    // Places and shows the frame so that its outer rectangle, the window manager's decoration included, is
    // `outer`. The decoration is known only once the window manager has framed the window, so the size is
    // corrected when it first becomes known; without a window manager there is none to correct.
    void PlaceOuterRect(const QRect& outer);

    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    bool OnUpdateEditCopy() const;
    bool OnUpdateEditPaste() const;
    // True for a line or multi-line edit.
    static bool IsEditCtrl(const QWidget* window);

signals:
    void aboutRequested();
    // The window manager's decoration became known and the frame took the outer size it was placed with.
    void outerSizeFitted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text);
    void BuildMenu();
    bool BuildToolBar();
    bool BuildStatusBar();
    void RouteViewCommand(int id);
    void FitOuterSize();
    // The widget the Edit commands judge and act on: the focus widget, or while the menu bar holds the focus
    // for keys, the one it took the focus from.
    QWidget* FocusControl() const;

    CQuorvaneConfiguratorDoc* m_pDocument;
    CQuorvaneConfiguratorView* m_pView = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QMenu* m_menuFile = nullptr;
    QMenu* m_menuRecent = nullptr;
    std::map<int, QAction*> m_actions;
    QMetaObject::Connection m_selectionConnection;
    QPointer<QWidget> m_beforeMenuBar;
    // The outer size asked for by PlaceOuterRect until the decoration is known; empty afterwards.
    QSize m_pendingOuterSize;
};
