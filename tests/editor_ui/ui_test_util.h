// Helpers of the editor's UI tests: the editor started in a temporary folder, and mouse events sent
// straight to a widget.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/CQuorvaneConfiguratorApp.h"
#include "doc.h"
#include "frame/CCMain_Frm.h"
#include "test_util.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "panels/CCtl_SDlg_output.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace uitest {

// True when the program's main set up a Japanese locale (only the Japanese test program does).
bool JapaneseLocaleReady();
// Why the Japanese locale could not be made, for the skip message.
const char* JapaneseLocaleProblem();

// Document, frame and view built as the application builds them, around a document whose settings the
// test may set first.
struct Editor {
    explicit Editor(const std::string& dir) : doc(std::make_unique<CQuorvaneConfiguratorDoc>(dir)) {}
    void Start()
    {
        frame = std::make_unique<CCMain_Frm>(doc.get());
        ASSERT_EQ(frame->OnCreate(), 0);
        view = frame->CreateView();
        view->OnInitialUpdate();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void Close() { frame.reset(); view = nullptr; }
    ~Editor() { Close(); }

    std::unique_ptr<CQuorvaneConfiguratorDoc> doc;
    std::unique_ptr<CCMain_Frm> frame;
    CQuorvaneConfiguratorView* view = nullptr;
};

// Each test works in a folder of its own and starts with no queued or recorded dialogs.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qvui::ClearAskedDialogs();
        ASSERT_FALSE(m_dir.Path().empty());
        m_editor = std::make_unique<Editor>(m_dir.Path());
        m_editor->Start();
    }
    void TearDown() override
    {
        for (const qvui::AskedDialog& d : qvui::AskedDialogs()) EXPECT_NE(d.owner, nullptr) << qvui::FromQ(d.text);
        m_editor.reset();
        qvui::ClearAskedDialogs();
    }
    CQuorvaneConfiguratorView* View() const { return m_editor->view; }
    CCMain_Frm* Frame() const { return m_editor->frame.get(); }
    CQuorvaneConfiguratorDoc* Doc() const { return m_editor->doc.get(); }
    // As after a load with every path good: the panels show the configuration and the mask is written.
    void EnableAll(uint32_t mask = 0x3ff) const
    {
        View()->RefreshAll();
        View()->SetEnableMask(mask);
    }
    std::string Title() const { return View()->GetTitleText(); }
    // Index 0 to 7 of the one visible setting panel; -1 when none or several are.
    int ShownPanel() const
    {
        int shown = -1;
        for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
            if (View()->SettingPanel(i)->isVisible()) {
                if (shown >= 0) return -1;
                shown = i;
            }
        }
        return shown;
    }
    int MessagesAsked(const QString& text) const
    {
        int n = 0;
        for (const qvui::AskedDialog& d : qvui::AskedDialogs()) {
            if (d.kind == qvui::AskedDialog::kMessage && d.text == text) ++n;
        }
        return n;
    }

    testutil::TempDir m_dir;
    std::unique_ptr<Editor> m_editor;
};

#ifdef QV_SCREENSHOT_DEFAULT_DIR
// Writes a picture of `w` as <name>.png for review: into the build's screenshot folder, or the one that
// QV_SCREENSHOT_DIR names.
inline bool SaveScreenshot(QWidget* w, const QString& name)
{
    QByteArray dir = qgetenv("QV_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QV_SCREENSHOT_DEFAULT_DIR;
    const QString folder = QString::fromLocal8Bit(dir);
    QDir().mkpath(folder);
    return w->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
#endif

inline void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                     : type == QEvent::MouseMove        ? Qt::MouseButtons(Qt::NoButton)
                                                                        : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace uitest
