// Checks on the saved frame rectangle and bar positions before they are applied.
#pragma once

#include <QList>
#include <QRect>

namespace qvui {

// Smallest frame the checks accept when the caller names none.
constexpr int kMinFrameWidth = 240;
constexpr int kMinFrameHeight = 200;
// How much of the frame must lie on one screen for the user to reach and move it.
constexpr int kMinVisibleFrame = 48;

// A screen's whole area and the part of it that windows may take (without panels and docks).
struct ScreenArea {
    QRect geometry;
    QRect available;
};

// True when `rect` is at least `minimum` and enough of it lies on one of `screens`.
bool IsUsableFrameRect(const QRect& rect, const QList<QRect>& screens,
                       const QSize& minimum = QSize(kMinFrameWidth, kMinFrameHeight));
// The frame rectangle a stored one opens with on `screens` (the primary first). A usable rectangle opens on
// the screen that holds most of it, any other at the default layout's rectangle; either is then made no
// larger than that screen's available area and moved wholly onto it, so one that lies there already is
// kept exactly. One smaller than `minimum` grows to it first, keeping its place. The stored values may be
// anything an int holds. `usable` tells whether the stored rectangle was used.
QRect FrameRectOnScreen(int x, int y, int width, int height, const QList<ScreenArea>& screens,
                        bool* usable = nullptr, const QSize& minimum = QSize(kMinFrameWidth, kMinFrameHeight));
// A saved bar position where a drag could have put it (from `low` to `high`) stays; any other becomes
// `fallback`, moved into that range when it lies outside too; `low` wins where the range is empty.
int BarPosWithin(int saved, int fallback, int low, int high);
// The connected screens, the primary first.
QList<ScreenArea> ScreenAreas();

}  // namespace qvui
