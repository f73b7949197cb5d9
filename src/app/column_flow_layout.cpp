#include "app/column_flow_layout.h"

#include <QWidget>

namespace talmero::app {

ColumnFlowLayout::ColumnFlowLayout(QWidget* parent, int columnSpacing)
    : QLayout(parent), m_columnSpacing(columnSpacing)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

ColumnFlowLayout::~ColumnFlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void ColumnFlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

int ColumnFlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem* ColumnFlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* ColumnFlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

QSize ColumnFlowLayout::sizeHint() const
{
    // The height decides the columns; a laid-out page reports what it took.
    const QRect current = geometry();
    if (current.height() > 0)
        return arrange(current, false);
    return minimumSize();
}

QSize ColumnFlowLayout::minimumSize() const
{
    // Any single item must fit; the rest flows into further columns.
    QSize size;
    for (const QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void ColumnFlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

QSize ColumnFlowLayout::arrange(const QRect& rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.left();
    int y = area.top();
    int columnWidth = 0;
    int bottom = area.top();
    for (QLayoutItem* item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (y > area.top() && y + hint.height() > area.bottom() + 1) {
            x += columnWidth + m_columnSpacing;
            y = area.top();
            columnWidth = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        y += hint.height() + spacing();
        columnWidth = qMax(columnWidth, hint.width());
        bottom = qMax(bottom, y - spacing());
    }
    const QMargins m = contentsMargins();
    return QSize(x + columnWidth - area.left() + m.left() + m.right(),
                 bottom - area.top() + m.top() + m.bottom());
}

} // namespace talmero::app
