#include "app/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace talmero::app {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)), m_grid(new QGridLayout(this))
{
    columns = qMax(1, columns);
    m_rows = qMax(1, int((items.size() + columns - 1) / columns));
    m_grid->setContentsMargins(6, 2, 6, 2);
    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        m_grid->addWidget(button, i % m_rows, 2 * (i / m_rows));
    }
    // The item before a press: a click on the selected button changes nothing.
    connect(m_buttons, &QButtonGroup::idPressed, this, [this](int) { m_beforeClick = item(); });
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != m_beforeClick)
            Q_EMIT userChanged(id);
    });
}

int RadioGroup::item() const
{
    return m_buttons->checkedId();
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}

void RadioGroup::setItem(int item)
{
    if (QAbstractButton* button = m_buttons->button(item)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button; it has to let go for "none".
    m_buttons->setExclusive(false);
    if (QAbstractButton* checked = m_buttons->checkedButton())
        checked->setChecked(false);
    m_buttons->setExclusive(true);
}

void RadioGroup::setRowHeight(int height)
{
    for (QAbstractButton* button : m_buttons->buttons())
        button->setFixedHeight(height);
}

void RadioGroup::setCompanion(int item, QWidget* companion)
{
    if (item < 0 || item >= count())
        return;
    const bool hidden =
        companion->testAttribute(Qt::WA_WState_ExplicitShowHide) && companion->isHidden();
    companion->setParent(this);
    companion->setVisible(!hidden);
    m_grid->addWidget(companion, item % m_rows, 2 * (item / m_rows) + 1);
}

} // namespace talmero::app
