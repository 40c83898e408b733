// Checks on the saved frame rectangle and bar positions before they are applied.
#pragma once

#include <QList>
#include <QRect>

namespace qvui {

// Smallest frame that still shows the tree, both bars within their drag limits and a usable panel.
constexpr int kMinFrameWidth = 240;
constexpr int kMinFrameHeight = 200;
// How much of the frame must lie on one screen for the user to reach and move it.
constexpr int kMinVisibleFrame = 48;

// True when `rect` is at least the smallest usable frame and enough of it lies on one of `screens`.
bool IsUsableFrameRect(const QRect& rect, const QList<QRect>& screens);
// A saved bar position where a drag could have put it (from `limit` to `extent` - `limit`) stays; any other
// becomes `fallback`, moved into that range when it lies outside too.
int ReachableBarPos(int saved, int fallback, int limit, int extent);
// The geometries of the connected screens.
QList<QRect> ScreenRects();

}  // namespace qvui
