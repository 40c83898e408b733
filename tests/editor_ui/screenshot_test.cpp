// A picture of the main window as a person sees it, written for review next to the build.
#include <QDir>
#include <QMenuBar>
#include <QTreeWidget>

#include "ui_test_util.h"

namespace {

TEST(Screenshot, MainWindowIsWrittenAsPng)
{
    QByteArray dir = qgetenv("QV_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QV_SCREENSHOT_DEFAULT_DIR;
    testutil::TempDir work;
    uitest::Editor editor(work.Path());
    editor.Start();
    editor.view->Tree()->expandAll();
    QCoreApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(dir));
    const QString path = QString::fromLocal8Bit(dir) + QStringLiteral("/main_window.png");
    const QPixmap shot = editor.frame->grab();
    ASSERT_EQ(shot.size(), editor.frame->size());
    ASSERT_TRUE(shot.save(path));
}

}  // namespace
