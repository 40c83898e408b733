// The application object: start-up of document, frame and view in the framework's order, the about
// command, and shut-down.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class CQuorvaneConfiguratorDoc;
class CCMain_Frm;
class CQuorvaneConfiguratorView;

class CQuorvaneConfiguratorApp : public QObject {
    Q_OBJECT
public:
    // `startDir` empty: the document records the current folder; tests give a folder of their own.
    explicit CQuorvaneConfiguratorApp(std::string startDir = std::string());
    ~CQuorvaneConfiguratorApp() override;

    // Runs the start-up; false when the program should end without a window.
    bool InitInstance();
    void OnAppAbout();

    // Destroys the main frame (and so the view) as closing the program does; the document stays.
    void DestroyMainFrame();

    CQuorvaneConfiguratorDoc* GetDocument() const { return m_pDocument.get(); }
    CCMain_Frm* GetMainFrame() const { return m_pMainWnd.get(); }
    CQuorvaneConfiguratorView* GetView() const;

    static constexpr int kRecentFileCount = 4;

private:
    void LoadStdProfileSettings(int maxRecent);
    void SaveStdProfileSettings();
    bool ProcessShellCommand();

    std::string m_strStartDir;
    std::unique_ptr<CQuorvaneConfiguratorDoc> m_pDocument;
    std::unique_ptr<CCMain_Frm> m_pMainWnd;
    // The framework's own recent-file list; kept in the profile, shown nowhere.
    QStringList m_recentFiles;
    int m_nMaxRecent = 0;
};
