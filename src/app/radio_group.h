#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace talmero::app {

// A titled group of radio buttons whose selected item may also be "none" (-1), as the
// configuration pages need after a reset. It reports only the user's own changes.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // Items are laid out column by column, like a notebook's radio group.
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    int item() const;
    // Any index outside the items selects none. Never emits userChanged.
    void setItem(int item);
    int count() const;

    // Fixes the height of every item's row.
    void setRowHeight(int height);

    // Puts a control (an "Other" edit) right of an item's button.
    void setCompanion(int item, QWidget* companion);

Q_SIGNALS:
    // The user selected another item (clicking the selected one is no change).
    void userChanged(int item);

private:
    QButtonGroup* m_buttons;
    QGridLayout* m_grid;
    int m_rows;
    int m_beforeClick = -1;
};

} // namespace talmero::app
