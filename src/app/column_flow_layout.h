#pragma once

#include <QLayout>
#include <QList>

namespace talmero::app {

// Stacks its widgets top to bottom and starts a new column to the right whenever the
// next one would pass the bottom edge, so a page of options fits its height.
class ColumnFlowLayout : public QLayout {
public:
    explicit ColumnFlowLayout(QWidget* parent = nullptr, int columnSpacing = 12);
    ~ColumnFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items (when place is set) in a rectangle of that height; returns the
    // size they take.
    QSize arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> m_items;
    int m_columnSpacing;
};

} // namespace talmero::app
