// Start-up and shut-down of the editor, and the about command.
#include "app/CQuorvaneConfiguratorApp.h"

#include <QCoreApplication>
#include <QSettings>

#include "app/CAboutDlg.h"
#include "doc.h"
#include "frame/CCMain_Frm.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

CQuorvaneConfiguratorApp::CQuorvaneConfiguratorApp(std::string startDir) : m_strStartDir(std::move(startDir)) {}

CQuorvaneConfiguratorApp::~CQuorvaneConfiguratorApp()
{
    // Frame and view first (the view stores the layout and writes the settings file), then the profile,
    // then the document, which writes the settings file once more.
    DestroyMainFrame();
    if (m_nMaxRecent > 0) SaveStdProfileSettings();
    m_pDocument.reset();
}

CQuorvaneConfiguratorView* CQuorvaneConfiguratorApp::GetView() const
{
    return m_pMainWnd ? m_pMainWnd->GetActiveView() : nullptr;
}

bool CQuorvaneConfiguratorApp::InitInstance()
{
    // The framework's control container has no counterpart here.
    // The profile lives under the maker's name.
    QCoreApplication::setOrganizationName(QStringLiteral("Pellaron,Inc."));
    QCoreApplication::setApplicationName(QStringLiteral("QuorvaneConfigurator"));
    LoadStdProfileSettings(kRecentFileCount);
    // Qt's own buttons and dialogs in the language of the string table.
    qvui::InstallQtTranslations();
    // One document, one frame, one view.
    if (!ProcessShellCommand()) return false;
    m_pMainWnd->show();
    m_pMainWnd->update();
    return true;
}

bool CQuorvaneConfiguratorApp::ProcessShellCommand()
{
    m_pDocument = m_strStartDir.empty() ? std::make_unique<CQuorvaneConfiguratorDoc>()
                                        : std::make_unique<CQuorvaneConfiguratorDoc>(m_strStartDir);
    if (!m_pDocument->OnNewDocument()) return false;
    m_pMainWnd = std::make_unique<CCMain_Frm>(m_pDocument.get());
    if (m_pMainWnd->OnCreate() != 0) {
        m_pMainWnd.reset();
        return false;
    }
    QObject::connect(m_pMainWnd.get(), &CCMain_Frm::aboutRequested, this, &CQuorvaneConfiguratorApp::OnAppAbout);
    CQuorvaneConfiguratorView* view = m_pMainWnd->CreateView();
    view->OnInitialUpdate();
    m_pMainWnd->OnUpdateFrameTitle();
    return true;
}

void CQuorvaneConfiguratorApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd.get());
    about.exec();
}

void CQuorvaneConfiguratorApp::DestroyMainFrame() { m_pMainWnd.reset(); }

void CQuorvaneConfiguratorApp::LoadStdProfileSettings(int maxRecent)
{
    m_nMaxRecent = maxRecent;
    QSettings profile;
    profile.beginGroup(QStringLiteral("Recent File List"));
    m_recentFiles.clear();
    for (int i = 1; i <= maxRecent; ++i) {
        const QString file = profile.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) m_recentFiles << file;
    }
    profile.endGroup();
}

void CQuorvaneConfiguratorApp::SaveStdProfileSettings()
{
    QSettings profile;
    profile.beginGroup(QStringLiteral("Recent File List"));
    profile.remove(QString());
    for (int i = 0; i < m_recentFiles.size() && i < m_nMaxRecent; ++i) {
        profile.setValue(QStringLiteral("File%1").arg(i + 1), m_recentFiles[i]);
    }
    profile.endGroup();
}
