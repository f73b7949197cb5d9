#pragma once

namespace talmero::config {

// What the AS-BUILT conversions need from the entry window besides its named labels,
// entry text and OK button, which they reach through the OptionView (Label2 ... Label5,
// Edit1, Button1).
class AsBuiltDialog {
public:
    virtual ~AsBuiltDialog() = default;

    // A generated line is shown read-only, so that it can be selected and copied.
    virtual void setEntryReadOnly(bool readOnly) = 0;
    // Shows the window modally; returns when it has been closed.
    virtual void showModal() = 0;
    // Closes the window shown by showModal.
    virtual void close() = 0;
};

} // namespace talmero::config
