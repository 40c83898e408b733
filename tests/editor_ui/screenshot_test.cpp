// A picture of the main window as a person sees it, written for review next to the build.
#include <QMenuBar>
#include <QTreeWidget>

#include "ui_test_util.h"

namespace {

TEST(Screenshot, MainWindowIsWrittenAsPng)
{
    testutil::TempDir work;
    uitest::Editor editor(work.Path());
    editor.Start();
    // As a user would have it after a load: every command available, the tree wide enough for its lines.
    editor.view->RefreshAll();
    editor.view->SetEnableMask(0x3ff);
    editor.view->OutputPanel()->CalcMemorySize();
    editor.view->OutputPanel()->AddMessage("(I) config.c loaded");
    editor.view->OutputPanel()->AddMessage("(I) qvos.def loaded");
    uitest::SendMouse(editor.view, QEvent::MouseButtonPress, QPoint(102, 100));
    uitest::SendMouse(editor.view, QEvent::MouseMove, QPoint(190, 100));
    uitest::SendMouse(editor.view, QEvent::MouseButtonRelease, QPoint(190, 100));
    // Opened item by item, as the user opens them.
    for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
        QTreeWidgetItem* category = editor.view->CategoryItem(i);
        category->setExpanded(true);
        for (int j = 0; j < category->childCount(); ++j) category->child(j)->setExpanded(true);
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(editor.frame->grab().size(), editor.frame->size());
    ASSERT_TRUE(uitest::SaveScreenshot(editor.frame.get(), QStringLiteral("main_window")));
}

}  // namespace
