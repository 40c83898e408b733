// Rows of the lists and of the tree as tall as the tallest text they show. Qt sizes a row by the height of
// the widget's font, but a character the font lacks (a Japanese name in the English font) is drawn from a
// fallback font, which is often taller: a row of the font's height then cuts that text's glyphs, and its
// neighbours' descenders, at top and bottom.
#pragma once

#include <QStyledItemDelegate>

namespace qvui {

class RowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The style's size of the cell, at least the row height.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Every row at least `height` high (the tallest cell's natural height): the view lays its rows out
    // again, once control returns to the event loop, when the height changes.
    void SetRowHeight(int height);
    int RowHeight() const { return m_rowHeight; }

private:
    int m_rowHeight = 0;
};

}  // namespace qvui
