#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

namespace talmero::app {

// Where a page's options go: each section (a block's options) is a run of columns, the
// sections side by side with a divider between them. A section takes as many columns as
// its height needs, and more while the width allows and a column still fills more than
// half the height; its items are spread evenly over them, in order, and the columns share
// the spare width. Only the items' sizes and the area decide, never their state, so a
// read that enables the options moves none of them.
struct ColumnPlan {
    QList<QRect> items;    // in the order of the sections' items
    QList<QRect> dividers; // one before every section but the first
};
ColumnPlan planColumns(const QList<QList<QSize>>& sections, const QRect& area, int rowSpacing, int columnSpacing,
                       int dividerWidth);

// A layout that places its items by planColumns.
class ColumnFlowLayout : public QLayout {
public:
    explicit ColumnFlowLayout(QWidget* parent = nullptr, int columnSpacing = 12);
    ~ColumnFlowLayout() override;

    // Items go into the current section.
    void addItem(QLayoutItem* item) override;
    // Starts the next section; divider (or nullptr) is the line between it and the last.
    void startSection(QWidget* divider);

    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        int section;
        bool divider;
    };
    QList<Entry> m_entries;
    int m_section = 0;
    int m_columnSpacing;
};

} // namespace talmero::app
