// The view's layout: the resize rule, dragging the two bars, the pointer shapes, and restoring and storing
// the frame rectangle and the bar positions.
#include <QGuiApplication>
#include <algorithm>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

#include "doc.h"
#include "frame/CCMain_Frm.h"
#include "panels/CCtl_SDlg_output.h"
#include "view/CQuorvaneConfiguratorView.h"
#include "ui_text.h"
#include "view/view_layout.h"

namespace {

// Width and height of the part of a stored rectangle that lies on `screen`, none when they are apart. Stored
// values may be anything an int holds, so the edges are summed in 64 bits.
QSize Overlap(long long x, long long y, long long width, long long height, const QRect& screen)
{
    const long long left = std::max<long long>(x, screen.x());
    const long long right = std::min<long long>(x + width, static_cast<long long>(screen.x()) + screen.width());
    const long long top = std::max<long long>(y, screen.y());
    const long long bottom = std::min<long long>(y + height, static_cast<long long>(screen.y()) + screen.height());
    return QSize(static_cast<int>(std::max(0LL, right - left)), static_cast<int>(std::max(0LL, bottom - top)));
}

// The screen that holds most of a frame rectangle; -1 when too little of it lies on any screen to reach and
// move it.
int HomeScreen(int x, int y, int width, int height, const QList<QRect>& screens)
{
    int home = -1;
    long long most = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QSize seen = Overlap(x, y, width, height, screens[i]);
        const long long area = static_cast<long long>(seen.width()) * seen.height();
        if (seen.width() >= qvui::kMinVisibleFrame && seen.height() >= qvui::kMinVisibleFrame && area > most) {
            home = i;
            most = area;
        }
    }
    return home;
}

}  // namespace

namespace qvui {

bool IsUsableFrameRect(const QRect& rect, const QList<QRect>& screens, const QSize& minimum)
{
    return rect.width() >= minimum.width() && rect.height() >= minimum.height() &&
           HomeScreen(rect.x(), rect.y(), rect.width(), rect.height(), screens) >= 0;
}

QRect FrameRectOnScreen(int x, int y, int width, int height, const QList<ScreenArea>& screens, bool* usable,
                        const QSize& minimum)
{
    QList<QRect> whole;
    for (const ScreenArea& screen : screens) whole << screen.geometry;
    // A frame stored smaller than the window can be keeps its place and grows.
    width = std::max(width, minimum.width());
    height = std::max(height, minimum.height());
    int home = HomeScreen(x, y, width, height, whole);
    if (usable != nullptr) *usable = home >= 0;
    if (home < 0) {
        const CCData_winsize_info defaults;
        x = defaults.m_nX;
        y = defaults.m_nY;
        width = defaults.m_nWidth;
        height = defaults.m_nHeight;
        home = std::max(0, HomeScreen(x, y, width, height, whole));
    }
    if (home >= screens.size()) return QRect(x, y, width, height);
    // The window system bounds a window by its screen: a frame larger than it would also cost memory in
    // proportion to its area and leave the close box out of reach.
    QRect area = screens[home].available;
    if (area.isEmpty()) area = screens[home].geometry;
    const int w = std::min(width, area.width());
    const int h = std::min(height, area.height());
    return QRect(std::clamp(x, area.x(), area.x() + area.width() - w),
                 std::clamp(y, area.y(), area.y() + area.height() - h), w, h);
}

int BarPosWithin(int saved, int fallback, int low, int high)
{
    if (saved >= low && saved <= high) return saved;
    // In a view too small for the whole range the bar keeps its distance from the top or left edge.
    return std::clamp(fallback, low, std::max(low, high));
}

QList<ScreenArea> ScreenAreas()
{
    QList<ScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

}  // namespace qvui

QRect CQuorvaneConfiguratorView::OuterRect() const
{
    return QRect(-kClientEdge, -kClientEdge, width() + 2 * kClientEdge, height() + 2 * kClientEdge);
}

void CQuorvaneConfiguratorView::MoveSettingPanels(int x, int y, int w, int h)
{
    for (int i = 0; i < kCategoryCount; ++i) {
        if (QWidget* panel = SettingPanel(i)) panel->setGeometry(x, y, w, h);
    }
}

void CQuorvaneConfiguratorView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize(width(), height());
}

int CQuorvaneConfiguratorView::MaxBarX() const
{
    // The resize rule gives the right side cx - barX - 6.
    return std::max(kMinBarX, std::min(OuterRect().width() - kMinBarX, width() - 6 - m_nMinRightWidth));
}

int CQuorvaneConfiguratorView::MaxBarY() const
{
    // The resize rule gives the output panel cy - barY - 5.
    return std::max(kMinBarY, std::min(OuterRect().height() - kMinBarY, height() - 5 - m_nMinOutputHeight));
}

void CQuorvaneConfiguratorView::SetPaneMinimums()
{
    // The title label starts 95 pixels into the header strip and shows the version or a category's name.
    const QFontMetrics title(m_wndTitle->font());
    int titleWidth = title.horizontalAdvance(LoadStr(141));
    for (int i = 0; i < kCategoryCount; ++i) {
        if (const QTreeWidgetItem* item = CategoryItem(i)) titleWidth = std::max(titleWidth, title.horizontalAdvance(item->text(0)));
    }
    const QSize output = CCtl_SDlg_output::MinimumPanelSize(font());
    m_nMinRightWidth = std::max(95 + titleWidth + 2 * m_wndTitle->margin() + 2, output.width());
    m_nMinOutputHeight = output.height();
    // The smallest view still keeps the tree at its default width and the setting panel two rows of controls
    // above its scroll bar; a drag may narrow either further, down to the bars' own limits, as both scroll.
    const int panelHeight = 2 * QLineEdit().sizeHint().height() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMinimumSize(CCData_winsize_info().m_nBarX + 6 + m_nMinRightWidth, 44 + panelHeight + 5 + m_nMinOutputHeight);
}

void CQuorvaneConfiguratorView::OnSize(int cx, int cy)
{
    if (m_btnVBar == nullptr) return;
    // A smaller view moves a bar only as far as the pane beyond it keeps the room it had, and not out of its
    // drag stops; a larger one brings it back to where it was left.
    const QRect outer = OuterRect();
    const int barX = std::clamp(std::min(m_nBarX, cx - 6 - m_nRightRoom), kMinBarX,
                                std::max(kMinBarX, outer.width() - kMinBarX));
    const int barY = std::clamp(std::min(m_nBarY, cy - 5 - m_nOutputRoom), kMinBarY,
                                std::max(kMinBarY, outer.height() - kMinBarY));
    const int w = cx - barX - 6;
    m_btnVBar->setGeometry(barX, 0, kBarThickness, cy);
    m_btnHBar->setGeometry(barX + 6, barY, w, kBarThickness);
    m_wndTree->setGeometry(0, 0, barX - 1, cy);
    m_wndHeader->setGeometry(barX + 7, 0, w, 44);
    m_wndPicture->setGeometry(barX + 16, 10, 70, 25);
    m_wndTitle->setGeometry(barX + 96, 15, w - 95, 25);
    MoveSettingPanels(barX + 7, 43, w, barY - 44);
    if (m_pOutput != nullptr) m_pOutput->setGeometry(barX + 7, barY + 5, w, cy - barY - 5);
}

void CQuorvaneConfiguratorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
    event->accept();
}

void CQuorvaneConfiguratorView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    OnMouseMove(point);
    OnSetCursor(point);
    event->accept();
}

void CQuorvaneConfiguratorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) OnLButtonUp();
    event->accept();
}

void CQuorvaneConfiguratorView::OnLButtonDown(const QPoint& point)
{
    // Edges count as inside on all four sides; a press in the vertical bar's column never starts a
    // horizontal drag.
    const QRect v = m_btnVBar->geometry();
    if (point.x() >= v.x() && point.x() <= v.x() + v.width()) {
        if (point.y() >= v.y() && point.y() <= v.y() + v.height()) m_nDragVBar = 1;
    } else {
        const QRect h = m_btnHBar->geometry();
        if (point.x() >= h.x() && point.x() <= h.x() + h.width() && point.y() >= h.y() &&
            point.y() <= h.y() + h.height()) {
            m_nDragHBar = 1;
        }
    }
    // The mouse stays with the view until the button is released (Qt's implicit grab after a press).
}

void CQuorvaneConfiguratorView::OnMouseMove(const QPoint& point)
{
    const QRect outer = OuterRect();
    const int vw = outer.width();
    const int vh = outer.height();
    if (m_nDragVBar != 0) {
        const int x = point.x() <= kMinBarX ? kMinBarX : std::min(point.x(), vw - kMinBarX);
        LeaveBarX(x);
        // The horizontal bar's top measured from the top of the outer rectangle, less 2.
        const int yb = (m_btnHBar->y() - outer.y()) - 2;
        m_btnVBar->setGeometry(x, 0, kBarThickness, vh);
        m_btnHBar->setGeometry(x + 7, yb, vw - x - 7, kBarThickness);
        m_wndTree->setGeometry(0, 0, x - 1, vh - 4);
        m_wndHeader->setGeometry(x + 7, 0, vw - x - 6, 44);
        m_wndPicture->setGeometry(x + 16, 10, 70, 25);
        m_wndTitle->setGeometry(x + 96, 15, vw - x - 101, 25);
        MoveSettingPanels(x + 7, 43, vw - x - 7, yb - 45);
        if (m_pOutput != nullptr) m_pOutput->setGeometry(x + 7, yb + 4, vw - x - 7, vh - yb - 8);
    } else if (m_nDragHBar != 0) {
        const int y = point.y() <= kMinBarY ? kMinBarY : std::min(point.y(), vh - kMinBarY);
        LeaveBarY(y);
        const int left = m_btnVBar->x() + m_btnVBar->width() + 2;
        const int wb = m_btnHBar->width();
        m_btnHBar->setGeometry(left, y, wb, kBarThickness);
        m_wndHeader->setGeometry(left, 0, wb, 44);
        m_wndPicture->setGeometry(left + 9, 10, 70, 25);
        m_wndTitle->setGeometry(left + 89, 15, vw - left - 94, 25);
        MoveSettingPanels(left, 43, wb, y - 45);
        if (m_pOutput != nullptr) m_pOutput->setGeometry(left, y + 4, wb, vh - y - 8);
    } else {
        return;
    }
    m_wndPicture->update();
    m_wndTitle->update();
}

void CQuorvaneConfiguratorView::OnLButtonUp()
{
    m_nDragVBar = 0;
    m_nDragHBar = 0;
}

Qt::CursorShape CQuorvaneConfiguratorView::CursorShapeAt(const QPoint& point) const
{
    // Left and top edges inside, right and bottom edges outside.
    if (m_btnVBar->geometry().contains(point)) return m_hCursorWE;
    if (!m_btnHBar->geometry().contains(point)) return m_hCursorArrow;
    return m_hCursorNS;
}

void CQuorvaneConfiguratorView::OnSetCursor(const QPoint& point)
{
    const Qt::CursorShape shape = CursorShapeAt(point);
    if (cursor().shape() != shape) setCursor(shape);
}

void CQuorvaneConfiguratorView::RestoreLayout()
{
    int x = 0, y = 0, w = 0, h = 0, barX = 0, barY = 0;
    m_pDocument->GetConfInfo().m_win.GetWinSize(x, y, w, h, barX, barY);
    // A rectangle from another machine or a damaged file must not leave the window unreachable or unusable.
    bool usable = true;
    QSize minimum;
    if (QWidget* frame = window(); frame != this) {
        // The frame's least size holds the view's: its layout learns that only when it next runs.
        for (QWidget* w = this; w != frame; w = w->parentWidget()) w->updateGeometry();
        if (frame->layout() != nullptr) frame->layout()->activate();
        minimum = frame->minimumSize().expandedTo(frame->minimumSizeHint());
    }
    const QRect rect = qvui::FrameRectOnScreen(x, y, w, h, qvui::ScreenAreas(), &usable, minimum);
    if (!usable) CCData_winsize_info().GetWinSize(x, y, w, h, barX, barY);
    // Only a frame made smaller to fit the screen moves the bars to keep every pane its room.
    const bool fitted = rect.width() < std::max(w, minimum.width()) || rect.height() < std::max(h, minimum.height());
    w = rect.width();

    if (auto* frame = qobject_cast<CCMain_Frm*>(window())) {
        frame->PlaceOuterRect(rect);
        // The frame shrinks once the window manager's decoration is known: the bars are judged again then.
        connect(frame, &CCMain_Frm::outerSizeFitted, this, [this, barX, barY, fitted] {
            PlaceStoredBars(barX, barY, fitted);
            OnSize(width(), height());
        }, Qt::SingleShotConnection);
    }
    const QRect vbar = m_btnVBar->geometry();
    PlaceStoredBars(barX, barY, fitted);
    barX = m_btnVBar->x();
    barY = m_btnHBar->y();
    m_wndTree->setGeometry(m_wndTree->x(), m_wndTree->y(), barX - 1, m_wndTree->height());
    // Widths from the frame width it opens with; the resize rule replaces them right after.
    const int stripWidth = w - vbar.width();
    m_wndHeader->setGeometry(barX + 7, 0, stripWidth, 44);
    m_wndPicture->setGeometry(barX + 16, 10, 70, 25);
    m_wndTitle->setGeometry(barX + 96, 15, w - 95 - vbar.width(), 25);
    m_btnHBar->setGeometry(vbar.x() + 1, barY, stripWidth, kBarThickness);
}

void CQuorvaneConfiguratorView::PlaceStoredBars(int barX, int barY, bool fitted)
{
    // A stored bar within its drag stops stays; one outside them goes to the default place, as far as the
    // panes beyond it keep their least size there.
    const CCData_winsize_info defaults;
    const QRect outer = OuterRect();
    barX = qvui::BarPosWithin(barX, std::min(defaults.m_nBarX, MaxBarX()), kMinBarX, outer.width() - kMinBarX);
    barY = qvui::BarPosWithin(barY, std::min(defaults.m_nBarY, MaxBarY()), kMinBarY, outer.height() - kMinBarY);
    if (fitted) {
        barX = std::min(barX, MaxBarX());
        barY = std::min(barY, MaxBarY());
    }
    LeaveBarX(barX);
    LeaveBarY(barY);
    const QRect vbar = m_btnVBar->geometry();
    // Keeps its top edge; its height becomes its former bottom coordinate.
    m_btnVBar->setGeometry(barX, vbar.y(), kBarThickness, vbar.y() + vbar.height());
    m_btnHBar->setGeometry(m_btnHBar->x(), barY, m_btnHBar->width(), kBarThickness);
}

void CQuorvaneConfiguratorView::LeaveBarX(int x)
{
    m_nBarX = x;
    m_nRightRoom = std::min(m_nMinRightWidth, width() - 6 - x);
}

void CQuorvaneConfiguratorView::LeaveBarY(int y)
{
    m_nBarY = y;
    m_nOutputRoom = std::min(m_nMinOutputHeight, height() - 5 - y);
}

void CQuorvaneConfiguratorView::OnDestroy()
{
    QWidget* frame = window();
    if (frame == this || m_pDocument == nullptr) return;
    // A minimised or maximised frame keeps the layout read at start-up.
    if (frame->isMinimized() || frame->isMaximized()) return;
    const QRect r = frame->frameGeometry();
    // The bars as they are shown in this frame, not where a larger one had them: the next start opens the
    // frame at this size, where a place beyond the shown one could lie outside the drag stops.
    m_pDocument->GetConfInfo().m_win.SetWinSize(r.x(), r.y(), r.width(), r.height(), m_btnVBar->x(), m_btnHBar->y());
}
