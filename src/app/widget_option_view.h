#pragma once

#include "config/option_view.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <functional>

class QWidget;

namespace talmero::app {

// The configuration logic's view of real controls: each name is looked up by objectName
// under the given roots (the configuration tab, the AS-BUILT window). A state set here
// goes straight into the control, so no click handler runs.
class WidgetOptionView : public config::OptionView {
public:
    // A root is asked for when a name is looked up, so a window made later can be one.
    using Root = std::function<QWidget*()>;
    explicit WidgetOptionView(QList<Root> roots);

    void setChecked(const QString& name, bool ticked) override;
    bool checked(const QString& name) const override;
    void setItem(const QString& name, int item) override;
    int item(const QString& name) const override;
    // The control's own state: a control stays enabled while the whole tab is disabled
    // for a running operation.
    void setEnabled(const QString& name, bool enabled) override;
    bool enabled(const QString& name) const override;
    // Likewise the control's own visibility, also while its page or window is not shown.
    void setVisible(const QString& name, bool visible) override;
    bool visible(const QString& name) const override;
    void setText(const QString& name, const QString& text) override;
    QString text(const QString& name) const override;

    // Marks exactly these options (by name) as changed since they were shown: the
    // caption of each turns bold, so the user sees what a write would change.
    void markChanged(const QStringList& names);

    // The control of that name; nullptr when no root has one.
    QWidget* find(const QString& name) const;

private:
    QList<Root> m_roots;
    mutable QHash<QString, QPointer<QWidget>> m_found;
    QStringList m_marked;
};

} // namespace talmero::app
