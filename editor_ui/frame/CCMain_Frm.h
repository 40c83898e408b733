// The main frame: menu, accelerators, tool bar, status bar, the Edit commands, the recent-configuration
// submenu and the title; it hosts the one form view.
#pragma once

#include <QMainWindow>
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

    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    bool OnUpdateEditCopy() const;
    bool OnUpdateEditPaste() const;
    // True for a line or multi-line edit.
    static bool IsEditCtrl(const QWidget* window);

signals:
    void aboutRequested();

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text);
    void BuildMenu();
    bool BuildToolBar();
    bool BuildStatusBar();
    void RouteViewCommand(int id);

    CQuorvaneConfiguratorDoc* m_pDocument;
    CQuorvaneConfiguratorView* m_pView = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QMenu* m_menuFile = nullptr;
    QMenu* m_menuRecent = nullptr;
    std::map<int, QAction*> m_actions;
    QMetaObject::Connection m_selectionConnection;
};
