// The row height of the lists and the tree, taken from the tallest text they show.
#include "row_height.h"

namespace qvui {

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(QSize(0, m_rowHeight));
}

void RowHeightDelegate::SetRowHeight(int height)
{
    if (height == m_rowHeight) return;
    m_rowHeight = height;
    // The views cache the height of a uniform row; this has them measure it again. Not at once: the tree
    // may be in the middle of opening several items, which a layout forced now would leave unplaced.
    QMetaObject::invokeMethod(this, [this] { emit sizeHintChanged(QModelIndex()); }, Qt::QueuedConnection);
}

}  // namespace qvui
