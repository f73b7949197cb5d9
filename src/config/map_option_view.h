#pragma once

#include "config/option_view.h"

#include <QHash>

namespace talmero::config {

// An OptionView without widgets: every control is a few map entries. Used by the tests
// and by tools that drive the configuration logic without a window.
// Unknown controls read as unticked, no item, disabled, visible and empty.
class MapOptionView : public OptionView {
public:
    // With startStates, the controls start as the configuration tab's do (see seedStartStates).
    explicit MapOptionView(bool startStates = true);

    void setChecked(const QString& name, bool ticked) override { m_checked[name] = ticked; }
    bool checked(const QString& name) const override { return m_checked.value(name, false); }
    void setItem(const QString& name, int item) override { m_item[name] = item; }
    int item(const QString& name) const override { return m_item.value(name, -1); }
    void setEnabled(const QString& name, bool enabled) override { m_enabled[name] = enabled; }
    bool enabled(const QString& name) const override { return m_enabled.value(name, false); }
    void setVisible(const QString& name, bool visible) override { m_visible[name] = visible; }
    bool visible(const QString& name) const override { return m_visible.value(name, true); }
    void setText(const QString& name, const QString& text) override { m_text[name] = text; }
    QString text(const QString& name) const override { return m_text.value(name); }

private:
    QHash<QString, bool> m_checked;
    QHash<QString, int> m_item;
    QHash<QString, bool> m_enabled;
    QHash<QString, bool> m_visible;
    QHash<QString, QString> m_text;
};

} // namespace talmero::config
