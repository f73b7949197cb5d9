#include "app/widget_option_view.h"

#include "app/radio_group.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace talmero::app {

WidgetOptionView::WidgetOptionView(QList<Root> roots) : m_roots(std::move(roots)) {}

QWidget* WidgetOptionView::find(const QString& name) const
{
    if (QWidget* known = m_found.value(name))
        return known;
    for (const Root& root : m_roots) {
        QWidget* top = root();
        if (!top)
            continue;
        QWidget* found = top->objectName() == name ? top : top->findChild<QWidget*>(name);
        if (found) {
            m_found.insert(name, found);
            return found;
        }
    }
    return nullptr;
}

namespace {

void markBold(QWidget* control, bool bold)
{
    if (!control)
        return;
    QFont caption = control->font();
    caption.setBold(bold);
    control->setFont(caption);
    // A group's caption only: its items keep their weight.
    if (qobject_cast<QGroupBox*>(control))
        for (QAbstractButton* item : control->findChildren<QAbstractButton*>()) {
            QFont plain = item->font();
            plain.setBold(false);
            item->setFont(plain);
        }
}

} // namespace

void WidgetOptionView::markChanged(const QStringList& names)
{
    for (const QString& name : std::as_const(m_marked))
        if (!names.contains(name))
            markBold(find(name), false);
    for (const QString& name : names)
        if (!m_marked.contains(name))
            markBold(find(name), true);
    m_marked = names;
}

void WidgetOptionView::setChecked(const QString& name, bool ticked)
{
    if (auto* box = qobject_cast<QAbstractButton*>(find(name)))
        box->setChecked(ticked);
}

bool WidgetOptionView::checked(const QString& name) const
{
    auto* box = qobject_cast<QAbstractButton*>(find(name));
    return box && box->isChecked();
}

void WidgetOptionView::setItem(const QString& name, int item)
{
    if (auto* group = qobject_cast<RadioGroup*>(find(name)))
        group->setItem(item);
}

int WidgetOptionView::item(const QString& name) const
{
    auto* group = qobject_cast<RadioGroup*>(find(name));
    return group ? group->item() : -1;
}

void WidgetOptionView::setEnabled(const QString& name, bool enabled)
{
    if (QWidget* control = find(name))
        control->setEnabled(enabled);
}

bool WidgetOptionView::enabled(const QString& name) const
{
    const QWidget* control = find(name);
    return control && !control->testAttribute(Qt::WA_ForceDisabled);
}

void WidgetOptionView::setVisible(const QString& name, bool visible)
{
    if (QWidget* control = find(name))
        control->setVisible(visible);
}

bool WidgetOptionView::visible(const QString& name) const
{
    const QWidget* control = find(name);
    return control
        && !(control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden());
}

void WidgetOptionView::setText(const QString& name, const QString& text)
{
    QWidget* control = find(name);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(text);
}

QString WidgetOptionView::text(const QString& name) const
{
    const QWidget* control = find(name);
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(control))
        return box->title();
    return {};
}

} // namespace talmero::app
