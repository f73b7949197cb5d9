#pragma once

#include <QString>

namespace talmero::config {

// What the option logic needs from the configuration pages: controls reached by name.
// Setting a control through this interface never runs a coupling rule.
class OptionView {
public:
    virtual ~OptionView() = default;

    virtual void setChecked(const QString& name, bool ticked) = 0;
    virtual bool checked(const QString& name) const = 0;

    // Selected item of a radio group; -1 = none.
    virtual void setItem(const QString& name, int item) = 0;
    virtual int item(const QString& name) const = 0;

    virtual void setEnabled(const QString& name, bool enabled) = 0;
    virtual bool enabled(const QString& name) const = 0;

    virtual void setVisible(const QString& name, bool visible) = 0;
    virtual bool visible(const QString& name) const = 0;

    // Text of an edit or caption of a label (LabelCONF, the AS-BUILT window's labels).
    virtual void setText(const QString& name, const QString& text) = 0;
    virtual QString text(const QString& name) const = 0;
};

} // namespace talmero::config
