// The view's layout: the resize rule, the panels' own placement, dragging the bars within their limits,
// the pointer shapes, and restoring and storing the frame rectangle and the bar positions.
#include <QLabel>
#include <QLineEdit>
#include <limits>
#include <QPushButton>
#include <QTreeWidget>

#include "panels/CCtl_SDlg_output.h"
#include "panels/panel_common.h"
#include "ui_test_util.h"
#include "view/view_layout.h"

namespace {

using uitest::EditorTest;
using uitest::SendMouse;

QRect Geo(const QWidget* w) { return w->geometry(); }

TEST_F(EditorTest, ResizeRulePlacesEveryChildFromTheBars)
{
    Frame()->resize(820, 640);
    QCoreApplication::processEvents();
    CQuorvaneConfiguratorView* v = View();
    const int cx = v->width(), cy = v->height();
    ASSERT_GT(cx, 400);
    const int w = cx - 100 - 6;
    EXPECT_EQ(Geo(v->VerticalBar()), QRect(100, 0, 5, cy));
    EXPECT_EQ(Geo(v->HorizontalBar()), QRect(106, 320, w, 5));
    EXPECT_EQ(Geo(v->Tree()), QRect(0, 0, 99, cy));
    EXPECT_EQ(Geo(v->HeaderStrip()), QRect(107, 0, w, 44));
    EXPECT_EQ(Geo(v->Picture()), QRect(116, 10, 70, 25));
    EXPECT_EQ(Geo(v->TitleLabel()), QRect(196, 15, w - 95, 25));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Geo(v->SettingPanel(i)), QRect(107, 43, w, 276)) << i;
    EXPECT_EQ(Geo(v->OutputPanel()), QRect(107, 325, w, cy - 325));
    // The bar positions survive the resize.
    Frame()->resize(700, 560);
    QCoreApplication::processEvents();
    EXPECT_EQ(v->VerticalBar()->x(), 100);
    EXPECT_EQ(v->HorizontalBar()->y(), 320);
    EXPECT_EQ(v->Tree()->height(), v->height());
    EXPECT_EQ(v->OutputPanel()->width(), v->width() - 106);
    // Left at 300, the bar moves in the smallest frame only as far as the panes need, and comes back after.
    SendMouse(v, QEvent::MouseButtonPress, QPoint(102, 100));
    SendMouse(v, QEvent::MouseMove, QPoint(300, 100));
    SendMouse(v, QEvent::MouseButtonRelease, QPoint(300, 100));
    // The frame goes no smaller than holds every pane at its minimum; the bars move to keep them.
    Frame()->resize(100, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(v->size(), v->minimumSize());
    EXPECT_EQ(Geo(v->Tree()), QRect(0, 0, 99, v->height()));
    EXPECT_GE(v->SettingPanel(0)->height(), 2 * QLineEdit().sizeHint().height());
    EXPECT_EQ(Geo(v->OutputPanel()), QRect(107, v->MaxBarY() + 5, v->MinRightWidth(), v->MinOutputHeight()));
    Frame()->resize(700, 560);
    QCoreApplication::processEvents();
    EXPECT_EQ(v->VerticalBar()->x(), 300);
    // An exit while the frame is small stores the bar where it is shown, which the next start can keep.
    Frame()->resize(100, 50);
    QCoreApplication::processEvents();
    const int shown = v->VerticalBar()->x();
    m_editor->Close();
    EXPECT_EQ(Doc()->GetConfInfo().m_win.m_nBarX, shown);
}

TEST_F(EditorTest, SettingPanelPlacesItselfBesideTheTreeWhenItOpens)
{
    // Bar from x 100 to 105, header ending at y 44, horizontal bar at y 320.
    QWidget* panel = View()->SettingPanel(3);
    panel->setGeometry(0, 0, 10, 10);
    qvui::PlaceSettingPanel(panel, View());
    const int outerRight = View()->width() + CQuorvaneConfiguratorView::kClientEdge;
    EXPECT_EQ(panel->geometry(), QRect(109, 45, outerRight - 105 - 1, 275));
}

TEST_F(EditorTest, VerticalBarDragStopsAtBothLimits)
{
    CQuorvaneConfiguratorView* v = View();
    const QRect outer = v->OuterRect();
    SendMouse(v, QEvent::MouseButtonPress, QPoint(102, 200));
    ASSERT_TRUE(v->IsDraggingVertical());
    SendMouse(v, QEvent::MouseMove, QPoint(10, 200));
    EXPECT_EQ(v->VerticalBar()->x(), 36);
    SendMouse(v, QEvent::MouseMove, QPoint(5000, 200));
    const int x = v->MaxBarX();
    EXPECT_EQ(v->VerticalBar()->x(), outer.width() - 36);
    EXPECT_EQ(v->width() - x - 6, v->MinRightWidth());
    SendMouse(v, QEvent::MouseMove, QPoint(250, 200));
    EXPECT_EQ(v->VerticalBar()->x(), 250);
    const int vw = outer.width(), vh = outer.height();
    EXPECT_EQ(Geo(v->VerticalBar()), QRect(250, 0, 5, vh));
    EXPECT_EQ(Geo(v->HorizontalBar()), QRect(257, 320, vw - 257, 5));
    EXPECT_EQ(Geo(v->Tree()), QRect(0, 0, 249, vh - 4));
    EXPECT_EQ(Geo(v->HeaderStrip()), QRect(257, 0, vw - 256, 44));
    EXPECT_EQ(Geo(v->Picture()), QRect(266, 10, 70, 25));
    EXPECT_EQ(Geo(v->TitleLabel()), QRect(346, 15, vw - 351, 25));
    EXPECT_EQ(Geo(v->SettingPanel(0)), QRect(257, 43, vw - 257, 275));
    EXPECT_EQ(Geo(v->OutputPanel()), QRect(257, 324, vw - 257, vh - 328));
    SendMouse(v, QEvent::MouseButtonRelease, QPoint(250, 200));
    EXPECT_FALSE(v->IsDraggingVertical());
    // Without a drag, moving changes nothing.
    SendMouse(v, QEvent::MouseMove, QPoint(60, 200));
    EXPECT_EQ(v->VerticalBar()->x(), 250);
}

TEST_F(EditorTest, HorizontalBarDragStopsAtBothLimits)
{
    CQuorvaneConfiguratorView* v = View();
    const QRect outer = v->OuterRect();
    SendMouse(v, QEvent::MouseButtonPress, QPoint(300, 322));
    ASSERT_TRUE(v->IsDraggingHorizontal());
    SendMouse(v, QEvent::MouseMove, QPoint(300, 10));
    EXPECT_EQ(v->HorizontalBar()->y(), 55);
    SendMouse(v, QEvent::MouseMove, QPoint(300, 5000));
    EXPECT_EQ(v->HorizontalBar()->y(), outer.height() - 55);
    EXPECT_EQ(v->height() - v->MaxBarY() - 5, v->MinOutputHeight());
    SendMouse(v, QEvent::MouseMove, QPoint(300, 200));
    const int vw = outer.width(), vh = outer.height();
    const int wb = v->HorizontalBar()->width();
    EXPECT_EQ(Geo(v->HorizontalBar()), QRect(107, 200, wb, 5));
    EXPECT_EQ(Geo(v->HeaderStrip()), QRect(107, 0, wb, 44));
    EXPECT_EQ(Geo(v->Picture()), QRect(116, 10, 70, 25));
    EXPECT_EQ(Geo(v->TitleLabel()), QRect(196, 15, vw - 107 - 94, 25));
    EXPECT_EQ(Geo(v->SettingPanel(5)), QRect(107, 43, wb, 155));
    EXPECT_EQ(Geo(v->OutputPanel()), QRect(107, 204, wb, vh - 208));
    EXPECT_EQ(v->VerticalBar()->x(), 100);
    SendMouse(v, QEvent::MouseButtonRelease, QPoint(300, 200));
    EXPECT_FALSE(v->IsDraggingHorizontal());
}

TEST_F(EditorTest, PressInTheVerticalBarColumnBelowItsBottomStartsNoDrag)
{
    CQuorvaneConfiguratorView* v = View();
    // Make the horizontal bar reach under the vertical one's column: the column test wins.
    v->HorizontalBar()->setGeometry(90, v->height() + 10, 300, 5);
    SendMouse(v, QEvent::MouseButtonPress, QPoint(102, v->height() + 11));
    EXPECT_FALSE(v->IsDraggingVertical());
    EXPECT_FALSE(v->IsDraggingHorizontal());
    SendMouse(v, QEvent::MouseButtonRelease, QPoint(102, v->height() + 11));
    // Edges count: a press on the right edge column (x 105) still grabs the vertical bar.
    SendMouse(v, QEvent::MouseButtonPress, QPoint(105, 10));
    EXPECT_TRUE(v->IsDraggingVertical());
    SendMouse(v, QEvent::MouseButtonRelease, QPoint(105, 10));
    EXPECT_FALSE(v->IsDraggingVertical());
}

TEST_F(EditorTest, PointerShapesOverTheBars)
{
    CQuorvaneConfiguratorView* v = View();
    EXPECT_EQ(v->CursorShapeAt(QPoint(100, 10)), Qt::SizeHorCursor);
    EXPECT_EQ(v->CursorShapeAt(QPoint(104, 300)), Qt::SizeHorCursor);
    EXPECT_EQ(v->CursorShapeAt(QPoint(105, 10)), Qt::ArrowCursor);  // right edge excluded
    EXPECT_EQ(v->CursorShapeAt(QPoint(300, 320)), Qt::SizeVerCursor);
    EXPECT_EQ(v->CursorShapeAt(QPoint(300, 324)), Qt::SizeVerCursor);
    EXPECT_EQ(v->CursorShapeAt(QPoint(300, 325)), Qt::ArrowCursor);  // bottom edge excluded
    EXPECT_EQ(v->CursorShapeAt(QPoint(300, 100)), Qt::ArrowCursor);
    SendMouse(v, QEvent::MouseMove, QPoint(102, 50));
    EXPECT_EQ(v->cursor().shape(), Qt::SizeHorCursor);
    SendMouse(v, QEvent::MouseMove, QPoint(300, 322));
    EXPECT_EQ(v->cursor().shape(), Qt::SizeVerCursor);
    SendMouse(v, QEvent::MouseMove, QPoint(300, 200));
    EXPECT_EQ(v->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EditorTest, SizingArrowOfABarDoesNotFollowThePointerIntoTheChildren)
{
    CQuorvaneConfiguratorView* v = View();
    // The last move the view saw was over a bar; the next lands inside a child.
    for (const QPoint& bar : {QPoint(102, 50), QPoint(300, 322)}) {
        SendMouse(v, QEvent::MouseMove, bar);
        ASSERT_NE(v->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(v->Tree()->viewport()->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(v->HeaderStrip()->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(v->Picture()->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(v->TitleLabel()->cursor().shape(), Qt::ArrowCursor);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(v->SettingPanel(i)->cursor().shape(), Qt::ArrowCursor) << i;
        EXPECT_EQ(v->OutputPanel()->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(EditorTest, LayoutIsStoredWhenTheFrameGoes)
{
    Frame()->move(10, 20);
    Frame()->resize(720, 580);
    QCoreApplication::processEvents();
    SendMouse(View(), QEvent::MouseButtonPress, QPoint(102, 100));
    SendMouse(View(), QEvent::MouseMove, QPoint(150, 100));
    SendMouse(View(), QEvent::MouseButtonRelease, QPoint(150, 100));
    SendMouse(View(), QEvent::MouseButtonPress, QPoint(300, 322));
    SendMouse(View(), QEvent::MouseMove, QPoint(300, 300));
    SendMouse(View(), QEvent::MouseButtonRelease, QPoint(300, 300));
    const QRect r = Frame()->frameGeometry();
    m_editor->Close();
    int x, y, w, h, bx, by;
    Doc()->GetConfInfo().m_win.GetWinSize(x, y, w, h, bx, by);
    EXPECT_EQ(QRect(x, y, w, h), r);
    EXPECT_EQ(QPoint(x, y), QPoint(10, 20));
    EXPECT_EQ(bx, 150);
    EXPECT_EQ(by, 300);
}

TEST_F(EditorTest, LayoutIsNotStoredWhileMaximisedOrMinimised)
{
    for (bool maximise : {true, false}) {
        SCOPED_TRACE(maximise ? "maximised" : "minimised");
        Doc()->GetConfInfo().m_win.SetWinSize(0, 0, 680, 550, 100, 320);
        Frame()->resize(700, 600);
        if (maximise) Frame()->showMaximized();
        else Frame()->showMinimized();
        QCoreApplication::processEvents();
        SendMouse(View(), QEvent::MouseButtonPress, QPoint(102, 100));
        SendMouse(View(), QEvent::MouseMove, QPoint(180, 100));
        SendMouse(View(), QEvent::MouseButtonRelease, QPoint(180, 100));
        m_editor->Close();
        int x, y, w, h, bx, by;
        Doc()->GetConfInfo().m_win.GetWinSize(x, y, w, h, bx, by);
        EXPECT_EQ(QRect(x, y, w, h), QRect(0, 0, 680, 550));
        EXPECT_EQ(bx, 100);
        EXPECT_EQ(by, 320);
        m_editor->Start();
    }
}

class RestoreTest : public ::testing::Test {
protected:
    testutil::TempDir m_dir;
};

TEST_F(RestoreTest, SavedLayoutIsApplied)
{
    uitest::Editor editor(m_dir.Path());
    editor.doc->GetConfInfo().m_win.SetWinSize(30, 40, 720, 580, 150, 300);
    editor.Start();
    EXPECT_EQ(editor.frame->frameGeometry(), QRect(30, 40, 720, 580));
    EXPECT_EQ(editor.view->VerticalBar()->x(), 150);
    EXPECT_EQ(editor.view->HorizontalBar()->y(), 300);
    // The panels follow the restored bars at once.
    EXPECT_EQ(editor.view->SettingPanel(0)->geometry().topLeft(), QPoint(157, 43));
    EXPECT_EQ(editor.view->OutputPanel()->geometry().top(), 305);
}

TEST_F(RestoreTest, RectangleOffEveryScreenOpensAtTheDefault)
{
    uitest::Editor editor(m_dir.Path());
    editor.doc->GetConfInfo().m_win.SetWinSize(20000, 15000, 720, 580, 150, 300);
    editor.Start();
    EXPECT_EQ(editor.frame->frameGeometry(), QRect(0, 0, 680, 550));
    EXPECT_EQ(editor.view->VerticalBar()->x(), 100);
    EXPECT_EQ(editor.view->HorizontalBar()->y(), 320);
}

TEST_F(RestoreTest, RectangleSmallerThanTheWindowCanBeGrowsInPlace)
{
    for (const QSize size : {QSize(120, 90), QSize(240, 200)}) {
        uitest::Editor editor(m_dir.Path());
        editor.doc->GetConfInfo().m_win.SetWinSize(10, 10, size.width(), size.height(), 40, 60);
        editor.Start();
        EXPECT_EQ(editor.frame->pos(), QPoint(10, 10)) << size.width();
        EXPECT_EQ(editor.frame->size(), editor.frame->minimumSize().expandedTo(editor.frame->minimumSizeHint()));
    }
}

TEST_F(RestoreTest, SavedBarsAreKeptWithinTheDragRangeOfTheView)
{
    // Saved bars within their drag stops stay, others go as near the default as the panes keep their room (-1
    // expects the nearest); a frame too large for the 800 x 800 test screen opens as `opens`, so the panes do.
    struct Row { QRect frame; int barX, barY, wantX, wantY; QRect opens = QRect(); };
    const Row rows[] = {
        {QRect(30, 40, 720, 580), -50, 9999, 100, 320},
        {QRect(30, 40, 720, 580), 150, 300, 150, 300},
        {QRect(0, 0, 680, 550), 100, 480, 100, 320},  // inside the frame, below the view's range
        {QRect(0, 0, 520, 330), 280, 320, 280, -1},   // within its stops; the default lies below a small view
        {QRect(0, 0, 680, 550), 500, 390, 500, 390},  // the panes beyond narrower and lower than their content
        {QRect(312, 207, 753, 628), 182, 282, 182, 282, QRect(47, 172, 753, 628)},  // saved on a larger screen
        {QRect(-40, 100, 1200, 900), 100, 700, 100, 320, QRect(0, 0, 800, 800)},
        {QRect(0, 0, 1920, 1080), 700, 320, -1, 320, QRect(0, 0, 800, 800)},  // a wide tree from a large screen
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.barY);
        testutil::TempDir dir;
        uitest::Editor editor(dir.Path());
        editor.doc->GetConfInfo().m_win.SetWinSize(row.frame.x(), row.frame.y(), row.frame.width(),
                                                   row.frame.height(), row.barX, row.barY);
        editor.Start();
        CQuorvaneConfiguratorView* v = editor.view;
        EXPECT_EQ(editor.frame->frameGeometry(), row.opens.isNull() ? row.frame : row.opens);
        EXPECT_EQ(v->VerticalBar()->x(), row.wantX >= 0 ? row.wantX : v->MaxBarX());
        EXPECT_EQ(v->HorizontalBar()->y(), row.wantY >= 0 ? row.wantY : v->MaxBarY());
        // Both bars can be grabbed and no panel is left without height.
        EXPECT_LE(v->HorizontalBar()->geometry().bottom(), v->height());
        EXPECT_GT(v->SettingPanel(0)->height(), 0);
        EXPECT_GT(v->OutputPanel()->height(), 0);
    }
}

TEST(FrameRectCheck, NeedsASizeAndAPlaceOnAScreen)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(qvui::IsUsableFrameRect(QRect(0, 0, 680, 550), screens));
    EXPECT_TRUE(qvui::IsUsableFrameRect(QRect(2500, 100, 680, 550), screens));   // second screen
    EXPECT_TRUE(qvui::IsUsableFrameRect(QRect(-600, -400, 680, 550), screens));  // a corner is visible
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(-660, 0, 680, 550), screens));    // 20 pixels visible
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(3300, 0, 680, 550), screens));
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(0, 2000, 680, 550), screens));
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(0, 0, 239, 550), screens));
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(0, 0, 680, 199), screens));
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(0, 0, -680, -550), screens));
    EXPECT_FALSE(qvui::IsUsableFrameRect(QRect(0, 0, 680, 550), {}));
    // A bar's reach: from the limit to the extent less the limit.
    EXPECT_EQ(qvui::BarPosWithin(55, 320, 55, 400 - 55), 55);
    EXPECT_EQ(qvui::BarPosWithin(345, 320, 55, 400 - 55), 345);
    EXPECT_EQ(qvui::BarPosWithin(346, 320, 55, 400 - 55), 320);
    EXPECT_EQ(qvui::BarPosWithin(54, 320, 55, 300 - 55), 245);
    EXPECT_EQ(qvui::BarPosWithin(54, 320, 55, 90 - 55), 55);  // a view too small for the whole range
}

TEST(FrameRectCheck, StoredRectangleOpensWhollyOnTheScreenThatHoldsMostOfIt)
{
    const int big = std::numeric_limits<int>::max();
    // The primary screen with a 30 pixel panel at its top; a small second screen to its right.
    const QList<qvui::ScreenArea> two{{QRect(0, 0, 1600, 1000), QRect(0, 30, 1600, 970)},
                                      {QRect(1600, 0, 1024, 600), QRect(1600, 0, 1024, 600)}};
    const QList<qvui::ScreenArea> small{{QRect(0, 0, 1024, 600), QRect(0, 0, 1024, 600)}};
    struct Row { QPoint stored; int width, height; QList<qvui::ScreenArea> screens; QRect opens; bool usable; };
    // Width and height apart from the place, so that they can be what no QRect holds.
    const Row rows[] = {
        {QPoint(30, 40), 720, 580, two, QRect(30, 40, 720, 580), true},                 // fits: kept exactly
        {QPoint(1700, 10), 700, 500, two, QRect(1700, 10, 700, 500), true},             // fits the second
        {QPoint(0, 0), 680, 550, two, QRect(0, 30, 680, 550), true},                    // under the panel
        {QPoint(0, 0), 32767, 32767, small, QRect(0, 0, 1024, 600), true},              // huge
        {QPoint(0, 0), big, big, small, QRect(0, 0, 1024, 600), true},
        {QPoint(big, big), big, big, small, QRect(0, 0, 680, 550), false},
        {QPoint(312, 207), 753, 628, small, QRect(271, 0, 753, 600), true},             // foreign
        {QPoint(1500, 300), 800, 600, two, QRect(1600, 0, 800, 600), true},             // most on the second
        {QPoint(1300, 300), 800, 600, two, QRect(800, 300, 800, 600), true},            // most on the first
        {QPoint(-600, -400), 680, 550, small, QRect(0, 0, 680, 550), true},             // a corner on screen
        {QPoint(-5000, -3000), 800, 600, two, QRect(0, 30, 680, 550), false},           // off every screen
        {QPoint(-big - 1, -big - 1), -big - 1, -big - 1, small, QRect(0, 0, 680, 550), false},
        {QPoint(10, 10), 120, 90, small, QRect(10, 10, 240, 200), true},                // grows in place
        {QPoint(20, 30), 430, 150, small, QRect(20, 30, 430, 200), true},
        {QPoint(5, 5), 700, 500, {}, QRect(0, 0, 680, 550), false},                     // no screen at all
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.stored.x() << "," << row.stored.y() << "," << row.width << ","
                                        << row.height);
        bool usable = !row.usable;
        EXPECT_EQ(qvui::FrameRectOnScreen(row.stored.x(), row.stored.y(), row.width, row.height, row.screens, &usable),
                  row.opens);
        EXPECT_EQ(usable, row.usable);
    }
}

}  // namespace

namespace {

// Through the settings file: what one run stores, the next run opens with.
TEST(LayoutAcrossRuns, StoredLayoutOpensTheNextRunAndMaximisedExitKeepsIt)
{
    testutil::TempDir dir;
    {
        CQuorvaneConfiguratorApp app(dir.Path());
        ASSERT_TRUE(app.InitInstance());
        app.GetMainFrame()->move(25, 35);
        app.GetMainFrame()->resize(700, 560);
        QCoreApplication::processEvents();
        CQuorvaneConfiguratorView* view = app.GetView();
        uitest::SendMouse(view, QEvent::MouseButtonPress, QPoint(102, 100));
        uitest::SendMouse(view, QEvent::MouseMove, QPoint(160, 100));
        uitest::SendMouse(view, QEvent::MouseButtonRelease, QPoint(160, 100));
    }
    QRect first;
    {
        CQuorvaneConfiguratorApp app(dir.Path());
        ASSERT_TRUE(app.InitInstance());
        first = app.GetMainFrame()->frameGeometry();
        EXPECT_EQ(first.topLeft(), QPoint(25, 35));
        EXPECT_EQ(app.GetView()->VerticalBar()->x(), 160);
        EXPECT_EQ(app.GetView()->HorizontalBar()->y(), 320);
        // Closing while maximised leaves the stored layout alone.
        app.GetMainFrame()->showMaximized();
        QCoreApplication::processEvents();
        uitest::SendMouse(app.GetView(), QEvent::MouseButtonPress, QPoint(162, 100));
        uitest::SendMouse(app.GetView(), QEvent::MouseMove, QPoint(300, 100));
        uitest::SendMouse(app.GetView(), QEvent::MouseButtonRelease, QPoint(300, 100));
    }
    CQuorvaneConfiguratorApp app(dir.Path());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame()->frameGeometry(), first);
    EXPECT_EQ(app.GetView()->VerticalBar()->x(), 160);
}

}  // namespace
