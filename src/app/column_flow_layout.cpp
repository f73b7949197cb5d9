#include "app/column_flow_layout.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

namespace talmero::app {

namespace {

// The first item of every column when the items go in order, a new column whenever the
// next one would make the column taller than limit.
QList<int> columnStarts(const QList<QSize>& items, int limit, int rowSpacing)
{
    QList<int> starts;
    int height = 0;
    for (int i = 0; i < items.size(); ++i) {
        const int h = items[i].height();
        if (starts.isEmpty() || height + rowSpacing + h > limit) {
            starts.append(i);
            height = h;
        } else {
            height += rowSpacing + h;
        }
    }
    return starts;
}

// The lowest column height that puts the items into at most columns columns.
int balancedLimit(const QList<QSize>& items, int columns, int rowSpacing)
{
    int low = 0;
    int high = 0;
    for (const QSize& s : items) {
        low = qMax(low, s.height());
        high += s.height() + rowSpacing;
    }
    while (low < high) {
        const int mid = (low + high) / 2;
        if (columnStarts(items, mid, rowSpacing).size() <= columns)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

struct SectionPlan {
    int columns = 1;
    int limit = 0;      // the tallest column's height
    QList<int> starts;  // the first item of each column
    QList<int> widths;  // each column's natural width
};

SectionPlan planSection(const QList<QSize>& items, int columns, int rowSpacing)
{
    SectionPlan plan;
    plan.columns = columns;
    plan.limit = balancedLimit(items, columns, rowSpacing);
    plan.starts = columnStarts(items, plan.limit, rowSpacing);
    for (int c = 0; c < plan.starts.size(); ++c) {
        const int end = c + 1 < plan.starts.size() ? plan.starts[c + 1] : int(items.size());
        int width = 0;
        for (int i = plan.starts[c]; i < end; ++i)
            width = qMax(width, items[i].width());
        plan.widths.append(width);
    }
    return plan;
}

} // namespace

ColumnPlan planColumns(const QList<QList<QSize>>& sections, const QRect& area, int rowSpacing, int columnSpacing,
                       int dividerWidth)
{
    const int separator = columnSpacing + dividerWidth + columnSpacing;
    QList<SectionPlan> plans;
    for (const QList<QSize>& items : sections) {
        const int needed = qMax(1, int(columnStarts(items, area.height(), rowSpacing).size()));
        plans.append(planSection(items, needed, rowSpacing));
    }
    auto widthOf = [&](const QList<SectionPlan>& all) {
        int width = separator * qMax(0, int(all.size()) - 1);
        for (const SectionPlan& p : all)
            width += std::accumulate(p.widths.begin(), p.widths.end(), 0) + columnSpacing * qMax(0, int(p.widths.size()) - 1);
        return width;
    };
    // More columns where the columns are tallest, while they fit and fill over half the height.
    QList<bool> settled(plans.size(), false);
    for (;;) {
        int tallest = -1;
        for (int s = 0; s < plans.size(); ++s) {
            if (!settled[s] && 2 * plans[s].limit > area.height() && plans[s].columns < sections[s].size()
                && (tallest < 0 || plans[s].limit > plans[tallest].limit))
                tallest = s;
        }
        if (tallest < 0)
            break;
        QList<SectionPlan> wider = plans;
        wider[tallest] = planSection(sections[tallest], plans[tallest].columns + 1, rowSpacing);
        if (wider[tallest].starts.size() > plans[tallest].starts.size() && widthOf(wider) <= area.width())
            plans = wider;
        else
            settled[tallest] = true;
    }

    int columnCount = 0;
    for (const SectionPlan& p : plans)
        columnCount += int(p.widths.size());
    const int spare = qMax(0, area.width() - widthOf(plans)) / qMax(1, columnCount);
    ColumnPlan result;
    int x = area.left();
    for (int s = 0; s < plans.size(); ++s) {
        if (s > 0) {
            result.dividers.append(QRect(x + columnSpacing, area.top(), dividerWidth, area.height()));
            x += separator;
        }
        const SectionPlan& p = plans[s];
        for (int c = 0; c < p.starts.size(); ++c) {
            const int width = p.widths[c] + spare;
            const int end = c + 1 < p.starts.size() ? p.starts[c + 1] : int(sections[s].size());
            int y = area.top();
            for (int i = p.starts[c]; i < end; ++i) {
                result.items.append(QRect(x, y, width, sections[s][i].height()));
                y += sections[s][i].height() + rowSpacing;
            }
            x += width + columnSpacing;
        }
        if (!p.starts.isEmpty())
            x -= columnSpacing;
    }
    return result;
}

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
    m_entries.append({item, m_section, false});
}

void ColumnFlowLayout::startSection(QWidget* divider)
{
    ++m_section;
    if (divider) {
        addChildWidget(divider);
        m_entries.append({new QWidgetItem(divider), m_section, true});
    }
}

int ColumnFlowLayout::count() const
{
    return int(m_entries.size());
}

QLayoutItem* ColumnFlowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem* ColumnFlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_entries.size() ? m_entries.takeAt(index).item : nullptr;
}

QSize ColumnFlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize ColumnFlowLayout::minimumSize() const
{
    // Every section in one column of its widest item; the height is the tallest item's.
    QList<int> widths(m_section + 1, 0);
    int height = 0;
    int dividers = 0;
    for (const Entry& e : m_entries) {
        if (e.divider) {
            dividers += 2 * m_columnSpacing + e.item->sizeHint().width();
        } else if (!e.item->isEmpty()) {
            widths[e.section] = qMax(widths[e.section], e.item->sizeHint().width());
            height = qMax(height, e.item->sizeHint().height());
        }
    }
    const QMargins m = contentsMargins();
    return QSize(std::accumulate(widths.begin(), widths.end(), 0) + dividers + m.left() + m.right(),
                 height + m.top() + m.bottom());
}

void ColumnFlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QList<QList<QSize>> sections(m_section + 1);
    QList<QLayoutItem*> placed;
    QList<QLayoutItem*> dividers;
    int dividerWidth = 0;
    for (const Entry& e : m_entries) {
        if (e.divider) {
            dividers.append(e.item);
            dividerWidth = qMax(dividerWidth, e.item->sizeHint().width());
        }
    }
    // The items in section order (a section's items were added together).
    for (int s = 0; s <= m_section; ++s) {
        for (const Entry& e : m_entries) {
            if (!e.divider && e.section == s && !e.item->isEmpty()) {
                sections[s].append(e.item->sizeHint());
                placed.append(e.item);
            }
        }
    }
    const ColumnPlan plan = planColumns(sections, rect.marginsRemoved(contentsMargins()), spacing(), m_columnSpacing,
                                        dividerWidth);
    for (int i = 0; i < placed.size(); ++i)
        placed[i]->setGeometry(plan.items[i]);
    for (int i = 0; i < dividers.size() && i < plan.dividers.size(); ++i)
        dividers[i]->setGeometry(plan.dividers[i]);
}

} // namespace talmero::app
